#include "demo/agenda_week.h"

#include <string>
#include <vector>

#include "data/dm.h"
#include "sales/agenda_book.h"

namespace demo {

namespace {

constexpr int kDaysAround = 3;

// The slots of the day, everyone's, by time.
std::vector<sales::SlotSeen> slotsOf(store::Table& agenda, const core::Date& day) {
    agenda.open();
    agenda.setIndexName("siData");
    agenda.setRange({day.toIso()}, {day.toIso()});
    std::vector<sales::SlotSeen> slots;
    for (agenda.first(); !agenda.eof(); agenda.next())
        slots.push_back({agenda.field("Codigo").asInteger(), day, agenda.field("Hora").asString(), "", ""});
    agenda.close();
    return slots;
}

std::vector<std::string> names(store::Table& clientes) {
    std::vector<std::string> found;
    clientes.open();
    for (clientes.first(); !clientes.eof(); clientes.next())
        found.push_back(clientes.field("Nome").asString());
    clientes.close();
    return found;
}

std::vector<sales::SlotService> services(store::Table& produtos) {
    std::vector<sales::SlotService> found;
    produtos.open();
    for (produtos.first(); !produtos.eof(); produtos.next())
        if (produtos.field("Tipo").asString() != "PRODUTO")
            found.push_back({produtos.field("Descricao").asString(), produtos.field("Codigo").asInteger()});
    produtos.close();
    return found;
}

}  // namespace

void addAgendaWeek(data::Tdm& dm, const core::Date& today) {
    const std::vector<std::string> clients = names(dm.TbCliente);
    const std::vector<sales::SlotService> offered = services(dm.TbProdutos);
    if (clients.empty() || offered.empty()) return;
    std::size_t booking = 0;
    for (int offset = -kDaysAround; offset <= kDaysAround; ++offset) {
        const core::Date day = today.addDays(offset);
        if (day.dayOfWeek() == 1) continue;  // closed on Sundays
        sales::openWholeDay(dm, day);
        const std::vector<sales::SlotSeen> slots = slotsOf(dm.TbAgenda, day);
        // About a third of the day booked, and now and then the slot after a booking blocked
        // for a long service.
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if ((i + static_cast<std::size_t>(offset + kDaysAround)) % 3 != 0) continue;
            sales::bookSlot(dm, slots[i], clients[booking % clients.size()],
                            offered[booking % offered.size()]);
            ++booking;
            if (booking % 5 == 0 && i + 1 < slots.size() &&
                slots[i + 1].employeeCode == slots[i].employeeCode)
                sales::blockSlot(dm, slots[i + 1], {});
        }
    }
}

}  // namespace demo

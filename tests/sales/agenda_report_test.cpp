// The day's appointment book on paper, read from its page model: every employee's slots by
// time, or one employee's, each line under its caption.
#include <gtest/gtest.h>

#include "reports/agenda_report.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/agenda_book.h"
#include "sales/agenda_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class AgendaReportTest : public agendatest::AgendaTest {
  protected:
    Lines print(std::optional<std::int64_t> employee) {
        reports::PageModel model;
        reports::printAgenda(dm, day, employee, [&](const reports::Report& report) {
            model = reports::generate(report, {.today = day, .now = {20, 0, 0}});
        });
        EXPECT_FALSE(dm.TbAgenda.isOpen());
        return reportstest::allLines(model);
    }
};

TEST_F(AgendaReportTest, TheWholeDayPrintsEverySlotByTimeAndOneEmployeeOnlyHis) {
    sales::openEmployeeDay(dm, kBia, day);
    sales::bookSlot(dm, {kBia, day, "10:00", "", ""}, "MARIA", {"CORTE", 1});
    sales::blockSlot(dm, {kBia, day, "11:00", "", ""}, {});
    dm.TbFuncionario.open();
    dm.TbHora.open();
    ASSERT_TRUE(dm.TbFuncionario.findKey({kBia}));
    data::addRow(dm.TbHora, {{"Codigo", kBia}, {"Hora", "12:00"}});
    dm.TbHora.close();
    dm.TbFuncionario.close();
    sales::openWholeDay(dm, day);

    const Lines header{"Salão de Beleza", "AGENDA DIÁRIA DE SERVIÇOS", "Data: 14/12/2026",
                       "Hora: | Funcionário: | Cliente: | Serviço:"};
    Lines whole = header;
    for (const char* line : {"09:00 | BIA", "09:00 | CAIO", "10:00 | BIA | MARIA | CORTE",
                             "11:00 | BIA | \" \" | \" \"", "12:00 | BIA", "14:00 | CAIO"})
        whole.push_back(line);
    EXPECT_EQ(print(std::nullopt), whole);

    Lines caio = header;
    caio.insert(caio.end(), {"09:00 | CAIO", "14:00 | CAIO"});
    EXPECT_EQ(print(kCaio), caio);
}

}  // namespace

#include "sales/agenda_book.h"

#include <string>
#include <vector>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "data/store/posting.h"

namespace sales {

namespace {

struct Employee {
    std::int64_t code = 0;
    std::string nome;
    std::vector<std::string> hours;  // in the order of his list
};

// The employee current in TbFuncionario, with his hours (TbHora follows him).
Employee currentEmployee(data::Tdm& dm) {
    Employee employee{
        dm.TbFuncionario.field("Codigo").asInteger(), dm.TbFuncionario.field("Nome").asString(), {}};
    for (dm.TbHora.first(); !dm.TbHora.eof(); dm.TbHora.next()) {
        const std::string hora = dm.TbHora.field("Hora").asString();
        if (!hora.empty()) employee.hours.push_back(hora);
    }
    return employee;
}

// The book's own view of TbAgenda, so that the index, range and row a screen shows stay as
// they are; the screen reads the table again afterwards.
class Book {
  public:
    explicit Book(data::Tdm& dm) : slots_(dm.DbVelmora, dm.TbAgenda.definition(), dm.TbAgenda.name()) {
        slots_.open();
    }
    store::Table& slots() { return slots_; }

  private:
    store::Table slots_;
};

// Inside a posting over TbAgenda, which holds the file for writing: a slot another station
// made a moment ago is found here and used, not made twice.
void makeMissingSlots(store::Table& agenda, const Employee& employee, const core::Date& day) {
    for (const std::string& hora : employee.hours) {
        if (agenda.findKey({employee.code, day.toIso(), hora})) continue;
        agenda.insert();
        agenda.field("Codigo").setInteger(employee.code);
        agenda.field("Data").setDate(day);
        agenda.field("Hora").setString(hora);
        agenda.field("Funcionario").setString(employee.nome);
        agenda.post();
    }
}

// The slot under its lock, as stored now; TbAgenda is left in edit on it.
void lockSlot(store::Table& agenda, const SlotSeen& slot) {
    if (!agenda.findKey({slot.employeeCode, slot.day.toIso(), slot.hora}))
        throw data::Refusal("O Horário Não Existe Mais! Carregue a Agenda Novamente.");
    agenda.editExisting();
}

void refuseBooked(store::Table& agenda) {
    if (!agenda.field("Cliente").asString().empty()) throw data::Refusal("O Horário Já Está Reservado!");
}

void writeService(store::Table& agenda, const SlotService& service) {
    agenda.field("Servico").setString(service.descricao);
    if (service.code) agenda.field("CodPROD").setInteger(*service.code);
}

// A reminder sent or confirmed belongs to the booking it was for, not to the next one.
void clearReminderMarks(store::Table& agenda) {
    agenda.field("Enviado").setString("");
    agenda.field("Confirmado").setString("");
}

}  // namespace

void openEmployeeDay(data::Tdm& dm, std::int64_t employeeCode, const core::Date& day) {
    data::OpenedTables open{&dm.TbFuncionario, &dm.TbHora};
    dm.TbFuncionario.setIndexName("");
    if (!dm.TbFuncionario.findKey({employeeCode}))
        throw data::Refusal("Não Existe Funcionário Com Este Código!");
    const Employee employee = currentEmployee(dm);
    if (employee.hours.empty())
        throw data::Refusal("O Funcionário Não Possui Agenda Definida no Seu Cadastro!");
    Book book(dm);
    store::post({&book.slots()}, [&] { makeMissingSlots(book.slots(), employee, day); });
}

void openWholeDay(data::Tdm& dm, const core::Date& day) {
    data::OpenedTables open{&dm.TbFuncionario, &dm.TbHora};
    dm.TbFuncionario.setIndexName("");
    std::vector<Employee> employees;
    for (dm.TbFuncionario.first(); !dm.TbFuncionario.eof(); dm.TbFuncionario.next())
        employees.push_back(currentEmployee(dm));
    Book book(dm);
    store::post({&book.slots()}, [&] {
        for (const Employee& employee : employees) makeMissingSlots(book.slots(), employee, day);
    });
}

void bookSlot(data::Tdm& dm, const SlotSeen& slot, const std::string& cliente, const SlotService& service) {
    Book book(dm);
    store::Table& agenda = book.slots();
    store::post({&agenda}, [&] {
        lockSlot(agenda, slot);
        refuseBooked(agenda);
        agenda.field("Cliente").setString(cliente);
        writeService(agenda, service);
        clearReminderMarks(agenda);
        agenda.post();
    });
}

void blockSlot(data::Tdm& dm, const SlotSeen& slot, const SlotService& service) {
    Book book(dm);
    store::Table& agenda = book.slots();
    store::post({&agenda}, [&] {
        lockSlot(agenda, slot);
        refuseBooked(agenda);
        agenda.field("Cliente").setString(kBlockedSlot);
        clearReminderMarks(agenda);
        if (service.descricao.empty())
            agenda.field("Servico").setString(kBlockedSlot);
        else
            writeService(agenda, service);
        agenda.post();
    });
}

void freeSlot(data::Tdm& dm, const SlotSeen& slot) {
    Book book(dm);
    store::Table& agenda = book.slots();
    store::post({&agenda}, [&] {
        lockSlot(agenda, slot);
        if (agenda.field("Cliente").asString() != slot.cliente ||
            agenda.field("Servico").asString() != slot.servico)
            throw data::Refusal("O Horário Foi Alterado em Outra Estação! Carregue a Agenda Novamente.");
        agenda.field("Cliente").setString("");
        agenda.field("Servico").setString("");
        clearReminderMarks(agenda);
        agenda.post();
    });
}

}  // namespace sales

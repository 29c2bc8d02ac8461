#pragma once
// Two employees with appointment hours: BIA 09:00, 10:00, 11:00 and CAIO 09:00, 14:00, and a
// reader of the slots of a day as they are on disk.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/date.h"
#include "data/rows.h"
#include "support/data_fixture.h"

namespace agendatest {

class AgendaTest : public testsupport::DataTest {
  protected:
    static constexpr std::int64_t kBia = 20;
    static constexpr std::int64_t kCaio = 21;
    const core::Date day{2026, 12, 14};

    AgendaTest() {
        dm.TbFuncionario.open();
        dm.TbHora.open();
        addEmployee(kBia, "BIA", {"09:00", "10:00", "11:00"});
        addEmployee(kCaio, "CAIO", {"09:00", "14:00"});
        addEmployee(22, "DORA", {});
        dm.TbHora.close();
        dm.TbFuncionario.close();
    }

    void addEmployee(std::int64_t code, const char* nome, std::initializer_list<const char*> hours) {
        data::addRow(dm.TbFuncionario,
                     {{"Codigo", code}, {"Nome", nome}, {"SobreNome", "abc"}, {"Comissao", 40.0}});
        for (const char* hora : hours) data::addRow(dm.TbHora, {{"Codigo", code}, {"Hora", hora}});
    }

    void addHour(std::int64_t code, const char* hora) {
        dm.TbFuncionario.open();
        dm.TbHora.open();
        ASSERT_TRUE(dm.TbFuncionario.findKey({code}));
        data::addRow(dm.TbHora, {{"Codigo", code}, {"Hora", hora}});
        dm.TbHora.close();
        dm.TbFuncionario.close();
    }

    // "10:00 BIA MARIA CORTE" per slot of the day, in the order of index siData, or of
    // siFUNC restricted to one employee.
    std::vector<std::string> slotsOnDisk(std::int64_t employee = 0) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        store::Table& agenda = fresh.TbAgenda;
        agenda.open();
        if (employee) {
            agenda.setIndexName("siFUNC");
            agenda.setRange({employee, day.toIso()}, {employee, day.toIso()});
        } else {
            agenda.setIndexName("siData");
            agenda.setRange({day.toIso()}, {day.toIso()});
        }
        std::vector<std::string> rows;
        for (agenda.first(); !agenda.eof(); agenda.next()) {
            std::string row = agenda.field("Hora").asString() + " " + agenda.field("Funcionario").asString();
            for (const char* field : {"Cliente", "Servico"})
                if (!agenda.field(field).asString().empty()) row += " " + agenda.field(field).asString();
            rows.push_back(row);
        }
        return rows;
    }
};

}  // namespace agendatest

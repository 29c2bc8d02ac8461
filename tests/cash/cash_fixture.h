#pragma once
// A data directory with cash periods and sales written directly, as the payment screens
// would leave them, and a look at TbCaixa as another station reads it from disk.
#include <cstdint>
#include <string>

#include "core/format.h"
#include "data/rows.h"
#include "support/data_fixture.h"

namespace cashtest {

struct Period {
    std::int64_t number;
    const char* status;
    double dinheiroDia = 0, dinheiro = 0, retiradas = 0, repasse = 0;
};

class CashTest : public testsupport::DataTest {
  protected:
    void addPeriod(const Period& p) {
        withOpen(dm.TbCaixa, [&] {
            data::addRow(dm.TbCaixa, {{"Contador", p.number},
                                      {"Status", p.status},
                                      {"Funcionario", "ANA PAULA"},
                                      {"CodFUN", std::int64_t{1}},
                                      {"DinheiroDIA", p.dinheiroDia},
                                      {"Dinheiro", p.dinheiro},
                                      {"Total", p.dinheiro},
                                      {"DinheiroTOTAL", p.retiradas},
                                      {"Repasse", p.repasse}});
        });
    }
    // A sale paid into cash period `caixa`.
    void addSale(std::int64_t caixa, const std::string& data, const std::string& cliente,
                 const std::string& funcionario, const std::string& tipoPG, double pgTotal,
                 double saldo = 0) {
        withOpen(dm.TbServico, [&] {
            data::addRow(dm.TbServico, {{"Data", data},
                                        {"Cliente", cliente},
                                        {"Funcioario", funcionario},
                                        {"TipoPG", tipoPG},
                                        {"PGTotal", pgTotal},
                                        {"Saldo", saldo},
                                        {"Caixa", caixa}});
        });
    }

    // Every TbCaixa record as a fresh station reads it: "Contador Status Funcionario CodFUN
    // DinheiroDIA Repasse Deposito" per record.
    std::vector<std::string> periodsOnDisk() {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        store::Table& t = fresh.TbCaixa;
        t.open();
        std::vector<std::string> rows;
        for (t.first(); !t.eof(); t.next()) {
            std::string row;
            for (const char* field : {"Contador", "Status", "Funcionario", "CodFUN"})
                row += (row.empty() ? "" : " ") + t.field(field).asString();
            for (const char* field : {"DinheiroDIA", "Repasse", "Deposito"})
                row += " " + core::formatMoney(t.field(field).asCurrency());
            rows.push_back(row);
        }
        return rows;
    }

    template <typename Work>
    static void withOpen(store::Table& table, Work work) {
        const bool wasOpen = table.isOpen();
        if (!wasOpen) table.open();
        work();
        if (!wasOpen) table.close();
    }
};

}  // namespace cashtest

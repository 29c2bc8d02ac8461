// Commissions of a period, per employee, less advances: only paid service items count.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "page_text.h"
#include "reports/commissions_report.h"
#include "reports/engine/generator.h"
#include "support/data_fixture.h"

namespace {

using core::Currency;
using Lines = std::vector<std::string>;

class CommissionsReportTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbItensServico.open();
        dm.TbBaixaP.open();
        // March 2024: ANA (40 %) S1, BRUNO (30 %) S2; ESCOVA carries its own 50 %.
        item(1, "2024-03-05", 11, "ANA", "SERVIÇO", 50, 40);
        item(1, "2024-03-05", 11, "ANA", "SERVIÇO", 35, 50);
        item(1, "2024-03-05", 11, "ANA", "PRODUTO", 50, 10);  // two SHAMPOO: no commission
        item(2, "2024-03-12", 12, "BRUNO", "SERVIÇO", 45, 30);
        item(2, "2024-03-12", 12, "BRUNO", "SERVIÇO", 35, 50);
        item(3, "2024-03-20", 11, "ANA", "PRODUTO", 25, 10);
        item(4, "2024-04-02", 11, "ANA", "SERVIÇO", 50, 40);        // after the period
        item(5, "2024-03-21", 12, "BRUNO", "SERVIÇO", 90, 30, "");  // never paid
        advance("2024-03-10", 12, "BRUNO", 20);
        advance("2024-03-15", 13, "CARLA", 15);
        advance("2024-04-01", 11, "ANA", 40);
        advance("2024-03-18", 0, "", 500);  // a bill, not an advance
    }
    void item(int sale, const char* day, int employee, const char* name, const char* type, double total,
              double commission, const char* paidIn = "DINHEIRO") {
        data::addRow(dm.TbItensServico, {{"Contador", std::int64_t{sale}},
                                         {"Data", day},
                                         {"CodFun", std::int64_t{employee}},
                                         {"Funcionario", name},
                                         {"Tipo", type},
                                         {"Total", total},
                                         {"Comissao", commission},
                                         {"PGTO", paidIn}});
    }
    void advance(const char* day, int employee, const char* name, double value) {
        data::addRow(dm.TbBaixaP, {{"DataBaixa", day},
                                   {"CodFUN", std::int64_t{employee}},
                                   {"Funcionario", name},
                                   {"Valor", value},
                                   {"TipoDOC", employee ? "VALE" : "BOLETO"}});
    }
    const reports::CommissionPeriod march{{2024, 3, 1}, {2024, 3, 31}, "01/03/24", "31/03/24"};
};

TEST_F(CommissionsReportTest, EachEmployeeEarnsThePaidServicesCommissionsLessAdvances) {
    const auto totals = reports::fillCommissions(dm, march);
    EXPECT_EQ(totals.services, Currency::fromReais(165));
    EXPECT_EQ(totals.commissions, Currency::fromUnits(685000));
    EXPECT_EQ(totals.advances, Currency::fromReais(35));

    Lines lines;
    reports::printCommissions(dm, march, [&](const reports::Report& report) {
        lines = reportstest::allLines(reports::generate(report, {}));
    });
    const auto line = [&](const std::string& name) {
        const Lines found = reportstest::linesStartingWith(lines, name + " . .");
        return found.size() == 1 ? found.front().substr(found.front().find(" | ")) : std::string("(nenhuma)");
    };
    EXPECT_EQ(line("ANA"), " | 85,00 | 37,50 | 0,00 | 37,50");
    EXPECT_EQ(line("BRUNO"), " | 80,00 | 31,00 | 20,00 | 11,00");
    EXPECT_EQ(line("CARLA"), " | 0,00 | 0,00 | 15,00 | -15,00");
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{"TOTAL SERVIÇOS......R$ | 165,00", "TOTAL COMISSÕES...R$ | 68,50",
                     "TOTAL DE VALES........R$ | 35,00"}));
    EXPECT_EQ(
        reportstest::linesStartingWith(lines, "Relatório de Comissões - Período de: 01/03/24 a 31/03/24")
            .size(),
        1u);
    // The sale items are linked to their sale again afterwards.
    EXPECT_EQ(dm.TbItensServico.indexFields().front(), "Contador");
}

}  // namespace

// Commissions of a period, per employee less advances, and one employee's services: only
// paid service items count.
#include <gtest/gtest.h>

#include "data/refusal.h"
#include "page_text.h"
#include "reports/cash_conference.h"
#include "reports/commissions_report.h"
#include "worked_period.h"

namespace {

using core::Currency;
using reportstest::allLines;
using reportstest::linesStartingWith;
using Lines = std::vector<std::string>;

class CommissionsReportTest : public reportstest::WorkedPeriodTest {
  protected:
    Lines general(const core::Period& period) {
        reports::printCommissions(dm, period, core::noProgress(), keep());
        return allLines(model);
    }
    Lines individual(std::int64_t employee, const core::Period& period) {
        reports::printEmployeeCommissions(dm, period, employee, core::noProgress(), keep());
        return allLines(model);
    }
    static std::string figuresOf(const Lines& lines, const std::string& name) {
        const Lines found = linesStartingWith(lines, name + " . .");
        return found.size() == 1 ? found.front().substr(found.front().find(" | ")) : std::string("(nenhuma)");
    }
};

TEST_F(CommissionsReportTest, EachEmployeeEarnsThePaidServicesCommissionsLessAdvances) {
    const auto totals = reports::fillCommissions(dm, march, core::noProgress());
    EXPECT_EQ(totals.services, Currency::fromReais(165));
    EXPECT_EQ(totals.commissions, Currency::fromUnits(685000));
    EXPECT_EQ(totals.advances, Currency::fromReais(35));

    const Lines lines = general(march);
    EXPECT_EQ(figuresOf(lines, "ANA"), " | 85,00 | 37,50 | 0,00 | 37,50");
    EXPECT_EQ(figuresOf(lines, "BRUNO"), " | 80,00 | 31,00 | 20,00 | 11,00");
    EXPECT_EQ(figuresOf(lines, "CARLA"), " | 0,00 | 0,00 | 15,00 | -15,00");
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{"TOTAL SERVIÇOS......R$ | 165,00", "TOTAL COMISSÕES...R$ | 68,50",
                     "TOTAL DE VALES........R$ | 35,00"}));
    EXPECT_EQ(linesStartingWith(lines, "Relatório de Comissões - Período de: 01/03/24 a 31/03/24").size(),
              1u);
    // The sale items are linked to their sale again afterwards.
    EXPECT_EQ(dm.TbItensServico.indexFields().front(), "Contador");
}

TEST_F(CommissionsReportTest, OneEmployeesPaidServicesWithWhatIsLeftAfterAdvances) {
    struct Case {
        std::int64_t employee;
        std::string header;
        Lines details;
        Lines summary;
    };
    for (const Case& c : {
             Case{12,
                  "Funcionário: BRUNO",
                  {"12/03/2024 | CORTE | BEATRIZ | 30,00 | 45,00 | 13,50",
                   "12/03/2024 | ESCOVA | BEATRIZ | 50,00 | 35,00 | 17,50"},
                  {"TOTAL SERVIÇOS......R$ | 80,00", "TOTAL COMISSÕES...R$ | 31,00",
                   "TOTAL DE VALES........R$ | 20,00", "TOTAL  A RECEBER.....R$ | 11,00"}},
             // No service in the period: one empty line, and minus the advances to receive.
             Case{13,
                  "Funcionário: CARLA",
                  {"0,00 | 0,00 | 0,00"},
                  {"TOTAL SERVIÇOS......R$ | 0,00", "TOTAL COMISSÕES...R$ | 0,00",
                   "TOTAL DE VALES........R$ | 15,00", "TOTAL  A RECEBER.....R$ | -15,00"}},
         }) {
        SCOPED_TRACE(c.header);
        const Lines lines = individual(c.employee, march);
        EXPECT_EQ(linesStartingWith(lines, c.header).size(), 1u);
        const auto caption =
            std::find(lines.begin(), lines.end(), "DATA | SERVIÇOS | CLIENTE | Com.% | Valor R$ | Com. R$");
        ASSERT_NE(caption, lines.end());
        EXPECT_EQ(Lines(caption + 1, caption + 1 + static_cast<long>(c.details.size())), c.details);
        EXPECT_EQ(Lines(lines.end() - 4, lines.end()), c.summary);
    }
}

// 35 % of 12,50 is 4,375: each line earns 4,38, and every report adds those 4,38 — the
// conference, the general report and the employee's own, lines and totals alike.
TEST_F(CommissionsReportTest, EveryReportAddsTheSameRoundedCommissions) {
    const core::Period may{{2024, 5, 1}, {2024, 5, 31}, "01/05/24", "31/05/24"};
    constexpr int kItems = 200;
    dm.TbItensServico.open();
    for (int i = 1; i <= kItems; ++i) {
        const std::string day = "2024-05-" + std::string(i % 28 < 9 ? "0" : "") + std::to_string(i % 28 + 1);
        item(100 + i, 1, day.c_str(), kBruno, kCorte, 12.5, 35, "DINHEIRO", "BEATRIZ");
    }
    dm.TbItensServico.close();
    const Currency expected = Currency::fromReais(876);

    const reports::CashConference conference = reports::gatherConference(dm, may, core::noProgress());
    EXPECT_EQ(conference.totals.comissoes, expected);
    ASSERT_EQ(conference.employees.size(), 1u);
    EXPECT_EQ(conference.employees.front().comissao, expected);

    EXPECT_EQ(reports::fillCommissions(dm, may, core::noProgress()).commissions, expected);
    EXPECT_EQ(figuresOf(general(may), "BRUNO"), " | 2.500,00 | 876,00 | 0,00 | 876,00");
    EXPECT_EQ(general(may).at(general(may).size() - 2), "TOTAL COMISSÕES...R$ | 876,00");

    const Lines lines = individual(12, may);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.ends_with("| 35,00 | 12,50 | 4,38"); }),
              kItems);
    EXPECT_EQ(Lines(lines.end() - 4, lines.end() - 2),
              (Lines{"TOTAL SERVIÇOS......R$ | 2.500,00", "TOTAL COMISSÕES...R$ | 876,00"}));
    EXPECT_EQ(lines.back(), "TOTAL  A RECEBER.....R$ | 876,00");
}

TEST_F(CommissionsReportTest, AnUnknownEmployeeIsRefusedBeforeAnythingIsRead) {
    try {
        individual(99, march);
        FAIL() << "funcionário inexistente aceito";
    } catch (const data::Refusal& refusal) {
        EXPECT_STREQ(refusal.what(), "Não Existe Funcionário Com Este Código!");
    }
    EXPECT_EQ(shown, 0);
}

}  // namespace

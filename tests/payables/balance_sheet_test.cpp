// The balance sheet: revenue by description and paid bills by heading, each with its share,
// the empty sections, and the walk's stop; read from the page model and from --pdf.
#include <gtest/gtest.h>

#include <sstream>

#include "balance_fixture.h"
#include "reports/balance_sheet.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "reports/report_command_line.h"
#include "support/temp_dir.h"

namespace payablestest {
namespace {

using Lines = std::vector<std::string>;
using reportstest::linesStartingWith;

// What follows the description and its dot leader on the one line starting with `start`.
std::string figures(const Lines& lines, const std::string& start) {
    const Lines found = linesStartingWith(lines, start);
    if (found.size() != 1) return "(" + std::to_string(found.size()) + " linhas)";
    return found.front().substr(found.front().find(" | ") + 3);
}

class BalanceSheetTest : public BalanceTest {
  protected:
    Lines print(const reports::BalanceTotals& totals, const core::Period& period) {
        Lines lines;
        reports::printBalanceSheet(dm, period, totals, [&](const reports::Report& report) {
            lines = reportstest::allLines(reports::generate(report, {}));
        });
        return lines;
    }
    Lines print(const reports::BalanceTotals& totals) { return print(totals, may); }
    reports::BalanceTotals fill(const core::Period& period) {
        return reports::fillBalanceSheet(dm, period, core::noProgress());
    }
    reports::BalanceTotals fill() { return fill(may); }

    // Every row of a work table as "field=value;..." in its current order.
    Lines rows(store::Table& table, std::initializer_list<const char*> fields) {
        Lines out;
        for (table.first(); !table.eof(); table.next()) {
            std::string row;
            for (const char* f : fields)
                row +=
                    std::string(f) + "=" + (table.field(f).isNull() ? "" : table.field(f).asString()) + ";";
            out.push_back(row);
        }
        return out;
    }

    // Revenue CORTE 120,00 (two items), ESCOVA 60,00, SHAMPOO 20,00; expenses 1.1 "Aluguel"
    // 80,00 (a bill paid at once in cash) and 5 "Vale Para Funcionários" 30,00; and what
    // must not count: an item and a bill outside May, an item of a sale never paid.
    void fillMay() {
        item("2025-05-02", "CORTE", "60,00");
        item("2025-05-20", "CORTE", "60,00");
        item("2025-05-10", "ESCOVA", "60,00", "NOTINHA");
        item("2025-05-31", "SHAMPOO", "20,00", "CARTÃO");
        item("2025-04-30", "ESCOVA", "500,00");
        item("2025-06-01", "CORTE", "500,00");
        item("2025-05-15", "CORTE", "999,00", "");
        payables::BillEntry rent = entry("80,00", "", "DINHEIRO");
        rent.codPlano = "1.1";
        rent.plano = "Aluguel";
        ASSERT_TRUE(payables::saveBill(dm, rent, {2025, 5, 12}));
        paidBill("2025-05-05", "5", "Vale Para Funcionários", "10,00");
        paidBill("2025-05-25", "5", "Vale Para Funcionários", "20,00");
        paidBill("2025-06-01", "1.1", "Aluguel", "700,00");
    }
};

TEST_F(BalanceSheetTest, SetsRevenueAgainstExpensesWithTheirShares) {
    fillMay();
    const reports::BalanceTotals totals = fill();
    EXPECT_EQ(totals.receitas, reais("200,00"));
    EXPECT_EQ(totals.despesas, reais("110,00"));
    EXPECT_EQ(rows(dm.TbVirtualP, {"Codigo", "Inicial", "Total", "POR1"}),
              (Lines{"Codigo=1.1;Inicial=1.1;Total=80;POR1=40;", "Codigo=5;Inicial=5;Total=30;POR1=15;"}));

    const Lines lines = print(totals);
    EXPECT_EQ(linesStartingWith(lines, "BALANCETE - Período de: 01/05/25 a 31/05/25").size(), 1u);
    EXPECT_EQ(linesStartingWith(lines, "DEMONSTRATIVO FINANCEIRO GERAL").size(), 1u);
    EXPECT_EQ(figures(lines, "CORTE . ."), "60,00 | 120,00");
    EXPECT_EQ(figures(lines, "ESCOVA . ."), "30,00 | 60,00");
    EXPECT_EQ(figures(lines, "SHAMPOO . ."), "10,00 | 20,00");
    EXPECT_EQ(figures(lines, "Total...R$"), "200,00");
    EXPECT_EQ(figures(lines, "Aluguel . ."), "72,73 | 80,00");
    EXPECT_EQ(figures(lines, "Vale Para Funcionários . ."), "27,27 | 30,00");
    EXPECT_EQ(figures(lines, "PORCENTAGEM DAS DESPESAS EM RELAÇÃO A RECEITA:"), "55,00 %");
    EXPECT_EQ(figures(lines, "Receita"), "R$ | 200,00");
    EXPECT_EQ(figures(lines, "Despesa"), "R$ | 110,00");
    EXPECT_EQ(figures(lines, "Saldo"), "R$ | 90,00");
    // The items are linked to their sale again, the paid bills closed.
    EXPECT_EQ(dm.TbItensServico.indexFields().front(), "Contador");
    EXPECT_FALSE(dm.TbBaixaP.isOpen());
}

TEST_F(BalanceSheetTest, ListsTheLargestShareFirstAndAddsLikeLinesTogether) {
    // A revenue of 1000,00 against one heading of 200,00.
    item("2025-05-03", "ALISAMENTO", "100,00");
    item("2025-05-04", "MANICURE", "250,00");
    item("2025-05-05", "PEDICURE", "300,00");
    item("2025-05-06", "MANICURE", "350,00");
    paidBill("2025-05-07", "2.3", "Luz", "150,00");
    paidBill("2025-05-08", "2.3", "Luz", "50,00");
    const reports::BalanceTotals totals = fill();
    const Lines lines = print(totals);
    Lines order;
    for (const std::string& line : lines)
        for (const char* name : {"ALISAMENTO", "MANICURE", "PEDICURE"})
            if (line.rfind(name, 0) == 0) order.push_back(name);
    EXPECT_EQ(order, (Lines{"MANICURE", "PEDICURE", "ALISAMENTO"}));
    EXPECT_EQ(figures(lines, "MANICURE . ."), "60,00 | 600,00");
    EXPECT_EQ(figures(lines, "Luz . ."), "100,00 | 200,00");
    EXPECT_EQ(rows(dm.TbVirtualP, {"POR1", "POR2"}), (Lines{"POR1=20;POR2=100;"}));
    EXPECT_EQ(figures(lines, "PORCENTAGEM DAS DESPESAS EM RELAÇÃO A RECEITA:"), "20,00 %");
    EXPECT_EQ(figures(lines, "Saldo"), "R$ | 800,00");
}

// Descriptions the work table's pt-BR key holds to be one: accents composed (NFC) or not
// (NFD), and one with an invisible zero-width space. They make one revenue line, not a key
// violation.
TEST_F(BalanceSheetTest, DescriptionsTheKeyHoldsEqualMakeOneLine) {
    item("2025-05-03", "ESCOVA\u00c7\u00c3O", "100,00");   // ESCOVAÇÃO, composed
    item("2025-05-04", "ESCOVAC\u0327A\u0303O", "50,00");  // the same, decomposed
    item("2025-05-05", "ESCOVA\u00c7\u00c3O\u200b", "50,00");
    item("2025-05-06", "CORTE", "200,00");
    const reports::BalanceTotals totals = fill();
    EXPECT_EQ(totals.receitas, reais("400,00"));
    EXPECT_EQ(rows(dm.TbVirtualR, {"Total", "TotalREF"}),
              (Lines{"Total=200;TotalREF=50;", "Total=200;TotalREF=50;"}));
    const Lines lines = print(totals);
    EXPECT_EQ(figures(lines, "Total...R$"), "400,00");
}

TEST_F(BalanceSheetTest, AnEmptySectionPrintsItsStarLine) {
    struct Case {
        const char* name;
        core::Period period;
        Lines revenue, expenses;
    };
    const std::string stars = "************************** | 0,00 | 0,00";
    // June: a sale, no bill; July: a bill, no sale; August: nothing.
    item("2025-06-02", "CORTE", "60,00");
    paidBill("2025-07-05", "1.1", "Aluguel", "80,00");
    const Case cases[] = {
        {"no bills",
         {{2025, 6, 1}, {2025, 6, 30}, "01/06/25", "30/06/25"},
         {"CORTE | 100,00 | 60,00"},
         {stars}},
        {"no sales",
         {{2025, 7, 1}, {2025, 7, 31}, "01/07/25", "31/07/25"},
         {stars},
         {"Aluguel | 100,00 | 80,00"}},
        {"nothing", {{2025, 8, 1}, {2025, 8, 31}, "01/08/25", "31/08/25"}, {stars}, {stars}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const reports::BalanceTotals totals = fill(c.period);
        // Without revenue the shares of revenue are not computed.
        if (totals.receitas == core::Currency{}) {
            for (const std::string& row : rows(dm.TbVirtualP, {"POR1"})) EXPECT_EQ(row, "POR1=;");
        }
        const Lines lines = print(totals, c.period);
        // The lines between two headings, each without its dot leader.
        const auto between = [&](const std::string& from, const std::string& to) {
            Lines found;
            bool inside = false;
            for (const std::string& line : lines) {
                if (line.rfind(to, 0) == 0) inside = false;
                if (inside)
                    found.push_back(line.substr(0, line.find(" . .")) + line.substr(line.find(" | ")));
                if (line.rfind(from, 0) == 0) inside = true;
            }
            return found;
        };
        EXPECT_EQ(between("Descrição:", "Total...R$"), c.revenue);
        EXPECT_EQ(between("Descrição do Plano de Contas:", "PORCENTAGEM"), c.expenses);
        EXPECT_EQ(figures(lines, "PORCENTAGEM DAS DESPESAS EM RELAÇÃO A RECEITA:"), "0,00 %");
    }
}

// Progress that stops the walk at its `stopAt`-th record.
class StopAt : public core::PassProgress {
  public:
    explicit StopAt(int stopAt) : left_(stopAt) {}
    void start(std::size_t) override {}
    void advance() override {
        if (--left_ == 0) throw core::PassCancelled{};
    }

  private:
    int left_;
};

TEST_F(BalanceSheetTest, AStoppedWalkPutsTheSourceTablesBack) {
    fillMay();
    for (int stopAt : {1, 4}) {  // among the bills, among the items
        SCOPED_TRACE(stopAt);
        StopAt progress(stopAt);
        EXPECT_THROW(reports::fillBalanceSheet(dm, may, progress), core::PassCancelled);
        EXPECT_FALSE(dm.TbBaixaP.isOpen());
        EXPECT_FALSE(dm.TbItensServico.isOpen());
        EXPECT_EQ(dm.TbItensServico.indexFields().front(), "Contador");
        EXPECT_TRUE(dm.TbVirtualR.isEmpty());
        EXPECT_TRUE(dm.TbVirtualP.isEmpty());
    }
    // A later search starts again from empty tables.
    EXPECT_EQ(fill().receitas, reais("200,00"));
    EXPECT_EQ(rows(dm.TbVirtualR, {"Descricao"}).size(), 3u);
}

TEST_F(BalanceSheetTest, WritesTheSameBalanceSheetAsPdf) {
    fillMay();
    testsupport::TempDir out;
    std::ostringstream err;
    const std::string pdf = (out.path() / "balancete.pdf").string();
    ASSERT_EQ(reports::runReportCommandLine({"--pdf", "balancete", pdf, "--de", "01/05/2025", "--ate",
                                             "31/05/2025", "--data", dataDir().string()},
                                            dataDir(), err),
              0)
        << err.str();
    const std::string text = reportstest::pdfText(pdf);
    for (const char* wanted : {"BALANCETE - Período de: 01/05/2025 a 31/05/2025", "60,00 120,00",
                               "72,73 80,00", "27,27 30,00", "55,00 %", "Saldo R$ 90,00"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
    EXPECT_EQ(reports::runReportCommandLine({"--pdf", "balancete", pdf, "--de", "01/05/2025", "--ate",
                                             "31/02/2025", "--data", dataDir().string()},
                                            dataDir(), err),
              2);
}

}  // namespace
}  // namespace payablestest

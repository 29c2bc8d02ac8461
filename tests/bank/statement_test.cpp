// The bank statement: the opening balance of the days before the period, the balance after
// each line of the period, and the account's summary; and what stops it from printing.
#include <gtest/gtest.h>

#include <sstream>

#include "bank/ledger.h"
#include "bank_fixture.h"
#include "reports/bank_statement.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "reports/report_command_line.h"
#include "support/temp_dir.h"

namespace banktest {
namespace {

using core::Date;
using reportstest::linesStartingWith;

class StatementTest : public BankTest {
  protected:
    StatementTest() {
        addAccount("33", "BANCO DO SALÃO",
                   {{"Limite", 2000.0},
                    {"Credito", 5000.0},
                    {"Valor", 1000.0},
                    {"Data02", "2025-03-31"},
                    {"Investimentos", 1050.0},
                    {"Data01", "2025-04-30"}});
        line(bank::kCredito, "800,00", {2025, 4, 15}, "DEPOSITO ABRIL");
        line(bank::kDebito, "300,00", {2025, 4, 25}, "ALUGUEL ABRIL");
        line(bank::kCredito, "100,00", {2025, 5, 10}, "DEPOSITO MAIO");
        line(bank::kDebito, "50,00", {2025, 5, 20}, "LUZ MAIO");
        line(bank::kCredito, "70,00", {2025, 6, 5}, "DEPOSITO JUNHO");
    }

    void line(const char* operacao, const char* valor, const Date& day, const char* historico) {
        bank::registerEntry(dm, {"33", day, operacao, "DOC", day, reais(valor), historico});
    }

    std::vector<std::string> print(const reports::StatementSelection& selection) {
        std::vector<std::string> lines;
        reports::printStatement(dm, selection, [&](const reports::Report& report) {
            lines = reportstest::allLines(reports::generate(report, {}));
        });
        return lines;
    }
};

TEST_F(StatementTest, OpensWithTheDaysBeforeAndRunsTheBalanceLineByLine) {
    const std::vector<std::string> lines = print({"33", {2025, 5, 1}, {2025, 5, 31}});
    const std::vector<std::string> wanted{
        "Extrato Bancário - Período de: 01/05/2025 a 31/05/2025",
        "BANCO DO SALÃO | Agência: 0042 | Conta: 33 | SD. Anterior: 500,00",
        "10/05/2025 | DOC | DEPOSITO MAIO | 100,00 | 0,00 | 600,00",
        "20/05/2025 | DOC | LUZ MAIO | 0,00 | -50,00 | 550,00",
        "100,00 | -50,00 | 550,00",
        "Limite da Conta | R$ | 2.000,00 | SALDO CONTA CORRENTE | 550,00",
        "Limite Crédito | R$ | 5.000,00 | SALDO COM LIMITE | 2.550,00",
        "Investimentos | R$ | 1.000,00 | 31/03/2025 | SALDO COM INVESTIMENTO | 1.600,00",
        "Investimentos | R$ | 1.050,00 | 30/04/2025",
        "JUROS R$ 50,00",
    };
    for (const std::string& line : wanted) EXPECT_EQ(linesStartingWith(lines, line).size(), 1u) << line;
    EXPECT_TRUE(linesStartingWith(lines, "05/06/2025").empty()) << "the June line is after the period";
    EXPECT_TRUE(linesStartingWith(lines, "15/04/2025").empty());
    EXPECT_FALSE(dm.TbBanco.isOpen());
    EXPECT_FALSE(dm.TbSaldos.isOpen());
}

TEST_F(StatementTest, PrintsTheAccountAskedForNotTheOneLastLookedUp) {
    dm.TbConta.open();
    ASSERT_TRUE(dm.TbConta.findKey({store::Value{std::string("11")}}));
    const std::vector<std::string> lines = print({"33", {2025, 5, 1}, {2025, 5, 31}});
    dm.TbConta.close();
    EXPECT_EQ(linesStartingWith(lines, "BANCO DO SALÃO | Agência: 0042 | Conta: 33").size(), 1u);
    EXPECT_EQ(linesStartingWith(lines, "Limite da Conta | R$ | 2.000,00").size(), 1u);
}

TEST_F(StatementTest, IsRefusedWithoutDatesAccountOrLines) {
    struct Case {
        reports::StatementSelection selection;
        const char* message;
    };
    const Case cases[] = {
        {{"33", {}, {2025, 5, 31}}, "Digite a Data Inicial do Período!"},
        {{"33", {2025, 5, 1}, {}}, "Digite a Data Final do Período!"},
        {{"99", {2025, 5, 1}, {2025, 5, 31}}, "Conta Bancária Inexistente!"},
        {{"", {2025, 5, 1}, {2025, 5, 31}}, "Conta Bancária Inexistente!"},
        {{"33", {2025, 7, 1}, {2025, 7, 31}}, "Não Existem lançamentos Neste Período"},
        {{"11", {2025, 5, 1}, {2025, 5, 31}}, "Não Existem lançamentos Neste Período"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        expectRefusal(c.message, [&] { print(c.selection); });
        EXPECT_FALSE(dm.TbBanco.isOpen());
    }
}

TEST_F(StatementTest, WritesTheSameStatementAsPdf) {
    testsupport::TempDir out;
    std::ostringstream err;
    const std::string pdf = (out.path() / "extrato.pdf").string();
    ASSERT_EQ(reports::runReportCommandLine({"--pdf", "extrato", pdf, "--conta", "33", "--de", "01/05/2025",
                                             "--ate", "31/05/2025", "--data", dataDir().string()},
                                            dataDir(), err),
              0)
        << err.str();
    const std::string text = reportstest::pdfText(pdf);
    for (const char* wanted :
         {"SD. Anterior: 500,00", "DEPOSITO MAIO 100,00 0,00 600,00", "LUZ MAIO 0,00 -50,00 550,00",
          "JUROS R$ 50,00", "SALDO CONTA CORRENTE 550,00"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
    EXPECT_EQ(text.find("DEPOSITO JUNHO"), std::string::npos);

    EXPECT_EQ(reports::runReportCommandLine({"--pdf", "extrato", pdf, "--conta", "33", "--de", "31/02/2025",
                                             "--ate", "31/05/2025", "--data", dataDir().string()},
                                            dataDir(), err),
              2);
}

}  // namespace
}  // namespace banktest

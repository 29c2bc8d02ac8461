// The cash periods opened in a span of days: their takings with the summary by form, or
// how each was opened, paid out, deposited and passed on.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "page_text.h"
#include "reports/cash_periods_report.h"
#include "reports/engine/generator.h"
#include "support/data_fixture.h"

namespace {

using Lines = std::vector<std::string>;
using reports::CashPeriodsLayout;

class CashPeriodsReportTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbCaixa.open();
        // Periods 1 and 4 fall outside March; 3 is still open.
        period(1, "2024-02-29", "ANA PAULA", 900, 0, 0, 0, 0);
        period(2, "2024-03-04", "ANA PAULA", 100, 30, 10, 20, 5, 4.5);
        period(3, "2024-03-31", "JOANA", 50, 0, 0, 0, 0);
        period(4, "2024-04-01", "JOANA", 700, 0, 0, 0, 0);
        dm.TbCaixa.close();
    }
    void period(std::int64_t number, const char* opened, const char* who, double dinheiro, double cheque,
                double cartao, double debito, double tef, double credito = 0) {
        const bool closed = number != 3;
        data::addRow(dm.TbCaixa, {{"Contador", number},
                                  {"Status", closed ? "FECHADO" : "ABERTO"},
                                  {"Funcionario", who},
                                  {"Abertura", opened},
                                  {"Hora1", "08:30:00"},
                                  {"Fechamento", closed ? opened : ""},
                                  {"Hora2", closed ? "19:00:00" : ""},
                                  {"DinheiroDIA", 80.0},
                                  {"Dinheiro", dinheiro},
                                  {"Cheque", cheque},
                                  {"Cartao", cartao},
                                  {"Debito", debito},
                                  {"TEF", tef},
                                  {"Credito", credito},
                                  // a sale paid with client credit counts only here
                                  {"Total", dinheiro + cheque + cartao + debito + tef + credito},
                                  {"DinheiroTOTAL", 12.0},
                                  {"Repasse", 100.0},
                                  {"Deposito", 80 + dinheiro - 12 - 100}});
    }
    Lines print(CashPeriodsLayout layout) {
        Lines lines;
        reports::printCashPeriods(dm, march, layout, [&](const reports::Report& report) {
            name = report.name;
            lines = reportstest::allLines(reports::generate(report, {.today = {2024, 4, 2}}));
        });
        return lines;
    }
    // The lines from the caption strip on, the header's first lines left out.
    static Lines body(const Lines& lines, const std::string& strip) {
        const auto at = std::find(lines.begin(), lines.end(), strip);
        return at == lines.end() ? Lines{"(sem cabeçalho)"} : Lines(at + 1, lines.end());
    }

    const core::Period march{{2024, 3, 1}, {2024, 3, 31}, "01/03/24", "31/03/24"};
    std::string name;
};

TEST_F(CashPeriodsReportTest, TakingsOfEachPeriodOpenedInTheSpanWithTheSummaryByForm) {
    const Lines lines = print(CashPeriodsLayout::Takings);
    EXPECT_EQ(name, "QrCaixa");
    EXPECT_EQ(reportstest::linesStartingWith(
                  lines, "Relatório de Fechamentos de Caixa - Período de: 01/03/24 a 31/03/24")
                  .size(),
              1u);
    EXPECT_EQ(reportstest::linesStartingWith(lines, "Pág.: | 1").size(), 1u);
    EXPECT_EQ(body(lines, "Abertura: | Hora: | Funcionário: | Fechamento: | Hora: | Valor R$"),
              (Lines{"04/03/2024 | 08:30:00 | ANA PAULA | 04/03/2024 | 19:00:00 | 169,50",
                     "31/03/2024 | 08:30:00 | JOANA | 50,00", "RESUMO GERAL:", "Dinheiro | R$ | 150,00",
                     "Cheque | R$ | 30,00", "Cartões | R$ | 30,00", "Notinhas | R$ | 5,00",
                     "TOTAL | R$ | 219,50"}));
}

TEST_F(CashPeriodsReportTest, OpeningCheckOfEachPeriod) {
    const Lines lines = print(CashPeriodsLayout::Opening);
    EXPECT_EQ(name, "QrCaixaCONF");
    EXPECT_EQ(body(lines,
                   "Abertura: | Hora: | Funcionário: | Fechamento: | Hora: | C. Inicial | Dinheiro | "
                   "Pgtos. | Depósito | Repasse"),
              (Lines{"04/03/2024 | 08:30:00 | ANA PAULA | 04/03/2024 | 19:00:00 | 80,00 | 100,00 | 12,00 | "
                     "68,00 | 100,00",
                     "31/03/2024 | 08:30:00 | JOANA | 80,00 | 50,00 | 12,00 | 18,00 | 100,00"}));
}

TEST_F(CashPeriodsReportTest, TheCashTableIsPutBackEvenWhenTheOutputFails) {
    for (const bool fails : {false, true}) {
        SCOPED_TRACE(fails);
        const auto output = [fails](const reports::Report&) {
            if (fails) throw std::runtime_error("impressora");
        };
        if (fails)
            EXPECT_THROW(reports::printCashPeriods(dm, march, CashPeriodsLayout::Takings, output),
                         std::runtime_error);
        else
            reports::printCashPeriods(dm, march, CashPeriodsLayout::Takings, output);
        EXPECT_FALSE(dm.TbCaixa.isOpen());
        EXPECT_EQ(dm.TbCaixa.indexName(), "");
    }
}

}  // namespace

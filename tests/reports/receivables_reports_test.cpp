// The receivables printouts: every open note, and one client's received amounts of a period.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/refusal.h"
#include "data/rows.h"
#include "page_text.h"
#include "reports/engine/generator.h"
#include "reports/receivables_reports.h"
#include "support/data_fixture.h"

namespace {

using Lines = std::vector<std::string>;

// ELAINE (7) and FABIANA (8), with open notes and amounts received in May and around it.
class ReceivablesReportsTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbCliente.open();
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{7}}, {"Nome", "ELAINE"}});
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{8}}, {"Nome", "FABIANA"}});
        dm.TbCliente.close();
        dm.TbReceber.open();
        note("2025-05-20", "ELAINE", "105", 70);
        note("2025-05-02", "FABIANA", "DIFERENÇA", 15.5);
        note("2025-04-11", "ELAINE", "101", 50);
        dm.TbReceber.close();
        dm.TbBaixaR.open();
        received(7, "2025-05-01", "ELAINE", "DINHEIRO", 30);  // the first day of the period
        received(7, "2025-05-31", "ELAINE", "NOTINHA", 45);   // and the last
        received(7, "2025-04-30", "ELAINE", "CHEQUE", 11);
        received(7, "2025-06-01", "ELAINE", "CARTÃO", 12);
        received(8, "2025-05-15", "FABIANA", "DÉBITO", 13);
        dm.TbBaixaR.close();
    }
    void note(const char* day, const char* client, const char* document, double value) {
        data::addRow(dm.TbReceber, {{"DataLan", day},
                                    {"DataVen", day},
                                    {"Cliente", client},
                                    {"Documento", document},
                                    {"SubNome", "ANA"},
                                    {"Valor", value}});
    }
    void received(std::int64_t code, const char* day, const char* client, const char* form, double value) {
        data::addRow(dm.TbBaixaR, {{"CodCliente", code},
                                   {"DataVen", day},
                                   {"Cliente", client},
                                   {"Documento", "2" + std::to_string(code)},
                                   {"Vendedor", form},
                                   {"Valor", value}});
    }
    reports::ReportOutput keep(std::string& name, Lines& lines) {
        return [&](const reports::Report& report) {
            name = report.name;
            lines = reportstest::allLines(reports::generate(report, {.today = {2025, 6, 10}}));
        };
    }
    // The lines after the one that starts with `captions`.
    static Lines after(const Lines& lines, const std::string& captions) {
        const auto found = std::find_if(lines.begin(), lines.end(),
                                        [&](const std::string& line) { return line.starts_with(captions); });
        EXPECT_NE(found, lines.end()) << testing::PrintToString(lines);
        return found == lines.end() ? Lines{} : Lines(found + 1, lines.end());
    }
};

TEST_F(ReceivablesReportsTest, OpenNotesAreListedByDueDateWithTheirTotal) {
    std::string name;
    Lines lines;
    reports::printOpenReceivables(dm, keep(name, lines));
    EXPECT_EQ(name, "QrReceber");
    EXPECT_EQ(reportstest::linesStartingWith(lines, "Relatório de Contas a Receber").size(), 1u)
        << testing::PrintToString(lines);
    EXPECT_EQ(reportstest::linesStartingWith(lines, "Salão de Beleza | Pág.: | 1").size(), 1u);
    EXPECT_EQ(
        after(lines, "DATA | CLIENTE | NÚMERO | FUNCIONÁRIO | VALOR R$"),
        (Lines{"11/04/2025 | ELAINE | 101 | ANA | 50,00", "02/05/2025 | FABIANA | DIFERENÇA | ANA | 15,50",
               "20/05/2025 | ELAINE | 105 | ANA | 70,00", "TOTAL...R$ | 135,50"}));
    EXPECT_FALSE(dm.TbReceber.isOpen());
}

TEST_F(ReceivablesReportsTest, AClientsReceivedAmountsOfThePeriodBothEndDaysIncluded) {
    std::string name;
    Lines lines;
    reports::printClientReceipts(dm, 7, {{2025, 5, 1}, {2025, 5, 31}, "01/05/25", "31/05/25"},
                                 keep(name, lines));
    EXPECT_EQ(name, "QrReceberBCliente");
    EXPECT_EQ(reportstest::linesStartingWith(
                  lines, "Relatório de Contas Recebidas - Por Cliente - Período de: 01/05/25 até 31/05/25")
                  .size(),
              1u)
        << testing::PrintToString(lines);
    EXPECT_EQ(after(lines, "Recebimento: | Cliente: | Nº Serviço: | Forma de Pagamento: | Valor R$"),
              (Lines{"01/05/2025 | ELAINE | 27 | DINHEIRO | 30,00",
                     "31/05/2025 | ELAINE | 27 | NOTINHA | 45,00", "TOTAL...R$ | 75,00"}));
    EXPECT_FALSE(dm.TbBaixaR.isOpen());
}

TEST_F(ReceivablesReportsTest, AnUnknownClientIsRefusedAndNothingPrinted) {
    std::string name;
    Lines lines;
    try {
        reports::printClientReceipts(dm, 99, {{2025, 5, 1}, {2025, 5, 31}, "01/05/25", "31/05/25"},
                                     keep(name, lines));
        ADD_FAILURE() << "printed";
    } catch (const data::Refusal& refusal) {
        EXPECT_STREQ(refusal.what(), "Não Existe Cliente Com Este Código!");
    }
    EXPECT_TRUE(name.empty());
}

}  // namespace

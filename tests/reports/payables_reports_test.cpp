// Open and paid bills of a period, of every supplier or of one, with their total.
#include <gtest/gtest.h>

#include <sstream>

#include "data/refusal.h"
#include "data/rows.h"
#include "page_text.h"
#include "reports/engine/generator.h"
#include "reports/payables_reports.h"
#include "reports/report_command_line.h"
#include "support/data_fixture.h"

namespace {

using Lines = std::vector<std::string>;
using reports::Bills;

class PayablesReportsTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbFornec.open();
        data::addRow(dm.TbFornec, {{"Codigo", std::int64_t{7}},
                                   {"Nome", "DISTRIBUIDORA BELA LTDA"},
                                   {"NomeFantasia", "BELA COSMÉTICOS"}});
        dm.TbFornec.close();
        dm.TbPagar.open();
        openBill("2025-05-20", "8", "ENERGIA", "LUZ MAIO", 40.5);
        openBill("2025-05-05", "7", "BELA", "SHAMPOOS", 80);
        openBill("2025-04-30", "7", "BELA", "ABRIL", 11);     // before the period
        openBill("2025-06-01", "7", "BELA", "JUNHO", 12);     // after it
        openBill("2025-05-12", "70", "OUTRA", "CREMES", 13);  // code 70 is not code 7
        dm.TbPagar.close();
        dm.TbBaixaP.open();
        // Paid bills count by their payment date, whatever their due date.
        paidBill("2025-05-10", "2025-04-28", "7", "BELA", "TINTURAS", 100);
        paidBill("2025-05-31", "2025-06-15", "9", "ÁGUA", "ÁGUA MAIO", 50);
        paidBill("2025-06-01", "2025-05-20", "7", "BELA", "PAGO EM JUNHO", 14);
        paidBill("2025-04-30", "2025-05-02", "7", "BELA", "PAGO EM ABRIL", 15);
        paidBill("2025-05-15", "2025-05-15", "70", "OUTRA", "ESMALTES", 16);
        dm.TbBaixaP.close();
    }
    void openBill(const char* due, const char* supplier, const char* name, const char* what, double value) {
        data::addRow(dm.TbPagar, {{"DataVen", due},
                                  {"CodFor", supplier},
                                  {"Fornecedor", name},
                                  {"Descricao", what},
                                  {"TipoDOC", "BOLETO"},
                                  {"Documento", "NF" + std::string(supplier)},
                                  {"Valor", value}});
    }
    void paidBill(const char* paidOn, const char* due, const char* supplier, const char* name,
                  const char* what, double value) {
        data::addRow(dm.TbBaixaP, {{"DataBaixa", paidOn},
                                   {"DataVen", due},
                                   {"CodFor", supplier},
                                   {"Fornecedor", name},
                                   {"Descricao", what},
                                   {"TipoDOC", "CHEQUE"},
                                   {"Documento", "D" + std::string(supplier)},
                                   {"Valor", value}});
    }
    Lines print(const reports::PayablesSelection& selection, std::string* name = nullptr) {
        Lines lines;
        reports::printPayables(dm, selection, [&](const reports::Report& report) {
            if (name) *name = report.name;
            lines = reportstest::allLines(reports::generate(report, {}));
        });
        return lines;
    }
};

const core::Date kFirst{2025, 5, 1}, kLast{2025, 5, 31};

TEST_F(PayablesReportsTest, ListsTheBillsOfThePeriodInDateOrderWithTheirTotal) {
    struct Case {
        Bills bills;
        std::optional<std::int64_t> supplier;
        std::string report, title, captions;
        Lines details;
        std::string total;
    };
    for (const Case& c : {
             Case{Bills::Open,
                  std::nullopt,
                  "QrPagar",
                  "Relatório de Contas a Pagar - Período de: 01/05/25 a 31/05/25",
                  "Data: | Descrição: | Fornecedor: | Valor R$",
                  {"05/05/2025 | SHAMPOOS | BELA | 80,00", "12/05/2025 | CREMES | OUTRA | 13,00",
                   "20/05/2025 | LUZ MAIO | ENERGIA | 40,50"},
                  "TOTAL...R$ | 133,50"},
             Case{Bills::Open,
                  7,
                  "QrPagarFOR",
                  "Relatório de Contas a Pagar - Período de: 01/05/25 a 31/05/25",
                  "Data: | Descrição: | Tipo Documento: | Documento: | Valor R$",
                  {"05/05/2025 | SHAMPOOS | BOLETO | NF7 | 80,00"},
                  "TOTAL...R$ | 80,00"},
             Case{Bills::Paid,
                  std::nullopt,
                  "QrPagarB",
                  "Relatório de Contas Pagas - Período de: 01/05/25 a 31/05/25",
                  "Pagamento: | Descrição: | Fornecedor: | Valor R$",
                  {"10/05/2025 | TINTURAS | BELA | 100,00", "15/05/2025 | ESMALTES | OUTRA | 16,00",
                   "31/05/2025 | ÁGUA MAIO | ÁGUA | 50,00"},
                  "TOTAL...R$ | 166,00"},
             Case{Bills::Paid,
                  7,
                  "QrPagarFORB",
                  "Relatório de Contas Pagas - Período de: 01/05/25 a 31/05/25",
                  "Pagamento: | Descrição: | Tipo Documento: | Documento: | Valor R$",
                  {"10/05/2025 | TINTURAS | CHEQUE | D7 | 100,00"},
                  "TOTAL...R$ | 100,00"},
         }) {
        SCOPED_TRACE(c.report);
        std::string name;
        const Lines lines = print({c.bills, c.supplier, {kFirst, kLast, "01/05/25", "31/05/25"}}, &name);
        EXPECT_EQ(name, c.report);
        EXPECT_EQ(reportstest::linesStartingWith(lines, c.title).size(), 1u) << testing::PrintToString(lines);
        EXPECT_EQ(reportstest::linesStartingWith(lines, c.captions).size(), 1u);
        EXPECT_EQ(reportstest::linesStartingWith(lines, "Fornecedor: DISTRIBUIDORA BELA LTDA").size(),
                  c.supplier ? 1u : 0u);
        const auto captions = std::find(lines.begin(), lines.end(), c.captions);
        ASSERT_NE(captions, lines.end());
        EXPECT_EQ(Lines(captions + 1, lines.end()), [&] {
            Lines expected = c.details;
            expected.push_back(c.total);
            return expected;
        }());
    }
}

TEST_F(PayablesReportsTest, AnEmptyPeriodPrintsTheHeaderAndAZeroTotal) {
    for (const Bills bills : {Bills::Open, Bills::Paid}) {
        const Lines lines =
            print({bills, std::nullopt, {{2025, 7, 1}, {2025, 7, 31}, "01/07/25", "31/07/25"}});
        EXPECT_EQ(reportstest::linesStartingWith(lines, "Relatório de Conta").size(), 1u);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "TOTAL...R$ | 0,00");
    }
}

TEST_F(PayablesReportsTest, AnUnknownSupplierIsRefusedAndTheTablesArePutBack) {
    for (const Bills bills : {Bills::Open, Bills::Paid}) {
        bool printed = false;
        try {
            reports::printPayables(dm, {bills, 8, kFirst, kLast, "01/05/25", "31/05/25"},
                                   [&](const reports::Report&) { printed = true; });
            ADD_FAILURE() << "a supplier that does not exist was accepted";
        } catch (const data::Refusal& refusal) {
            EXPECT_STREQ(refusal.what(), "Não Existe Fornecedor Com Este Código!");
        }
        EXPECT_FALSE(printed);
    }
    print({Bills::Paid, 7, {kFirst, kLast, "01/05/25", "31/05/25"}});
    for (store::Table* table : {&dm.TbFornec, &dm.TbPagar, &dm.TbBaixaP}) {
        EXPECT_FALSE(table->isOpen()) << table->name();
        EXPECT_EQ(table->indexName(), "") << table->name();
    }
}

// The paid bills of May 2025 written by `velmora --pdf`, and one supplier's refused when it
// does not exist.
TEST(PayablesCommandLineTest, WritesThePaidBillsOfThePeriodAsked) {
    testsupport::InitialDataDirectory demo{true};
    testsupport::TempDir out;
    {
        testsupport::RecordingMessages quiet;
        data::Tdm dm(demo.path(), quiet);
        dm.TbBaixaP.open();
        for (const auto& [day, value] :
             {std::pair{"2025-05-10", 100.0}, {"2025-05-22", 50.0}, {"2025-06-02", 70.0}})
            data::addRow(dm.TbBaixaP, {{"DataBaixa", day}, {"Descricao", "CONTA"}, {"Valor", value}});
    }
    std::ostringstream err;
    const auto run = [&](std::vector<std::string> args) {
        err.str({});
        return reports::runReportCommandLine(args, demo.path(), err);
    };
    ASSERT_EQ(run({"--pdf", "contas-pagas", (out / "pagas.pdf").string(), "--de", "01/05/2025", "--ate",
                   "31/05/2025"}),
              0)
        << err.str();
    const std::string text = reportstest::pdfText(out / "pagas.pdf");
    for (const char* wanted :
         {"Relatório de Contas Pagas - Período de: 01/05/2025 a 31/05/2025", "TOTAL...R$ 150,00"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;

    for (const auto& [args, says] : {std::pair<std::vector<std::string>, std::string>{
                                         {"--pdf", "contas-pagas-fornecedor", (out / "x.pdf").string(),
                                          "--fornecedor", "999", "--de", "01/05/2025", "--ate", "31/05/2025"},
                                         "Não Existe Fornecedor Com Este Código!"},
                                     {{"--pdf", "contas-pagar-fornecedor", (out / "x.pdf").string(), "--de",
                                       "01/05/2025", "--ate", "31/05/2025"},
                                      "pede --fornecedor"}}) {
        EXPECT_NE(run(args), 0);
        EXPECT_NE(err.str().find(says), std::string::npos) << err.str();
        EXPECT_FALSE(std::filesystem::exists(out / "x.pdf"));
    }
}

}  // namespace

// The period reports of the demo salon's two months through `velmora --pdf`, read back with
// pdftotext: every total agrees with the rows printed above it, and the reports agree with
// one another.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "core/currency.h"
#include "core/date.h"
#include "data/dm.h"
#include "demo/salon_history.h"
#include "page_text.h"
#include "reports/report_command_line.h"
#include "support/data_fixture.h"

namespace {

using core::Currency;
using Lines = std::vector<std::string>;

Lines linesOf(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos) lines.push_back(line.substr(first));
    }
    return lines;
}

// Every money figure of the line ("1.234,56", "-15,00"), in order.
std::vector<Currency> amounts(const std::string& line) {
    static const std::regex money(R"(-?\d{1,3}(\.\d{3})*,\d\d\b)");
    std::vector<Currency> found;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), money); it != std::sregex_iterator(); ++it)
        found.push_back(*Currency::parse(it->str()));
    return found;
}

bool startsWithDate(const std::string& line) {
    static const std::regex date(R"(^\d\d/\d\d/\d{2,4} )");
    return std::regex_search(line, date);
}

// The one figure printed after `caption`; the test fails when there is not exactly one line.
Currency figureAfter(const Lines& lines, const std::string& caption) {
    Currency figure;
    int found = 0;
    for (const std::string& line : lines) {
        const auto at = line.find(caption);
        if (at == std::string::npos) continue;
        const auto values = amounts(line.substr(at + caption.size()));
        if (values.empty()) continue;
        figure = values.front();
        ++found;
    }
    EXPECT_EQ(found, 1) << caption;
    return figure;
}

// The six payment-form figures added up.
Currency paymentForms(const Lines& lines) {
    Currency sum;
    for (const char* caption :
         {"DINHEIRO R$", "CHEQUE R$", "NOTINHA R$", "CARTÃO CRED. R$", "CARTÃO DÉB. R$", "OUTROS R$"})
        sum += figureAfter(lines, caption);
    return sum;
}

// The sum of the figure at `fromEnd` (0: the last) of every line starting with a date.
Currency sumOfDatedRows(const Lines& lines, std::size_t fromEnd = 0, int* rows = nullptr) {
    Currency sum;
    int count = 0;
    for (const std::string& line : lines) {
        if (!startsWithDate(line)) continue;
        const auto values = amounts(line);
        if (values.size() <= fromEnd) continue;
        sum += values[values.size() - 1 - fromEnd];
        ++count;
    }
    if (rows) *rows = count;
    return sum;
}

class PeriodReportsPdfTest : public ::testing::Test {
  protected:
    // The demo salon with its two months of history, made once for the suite.
    static void SetUpTestSuite() {
        demo_ = new testsupport::InitialDataDirectory(true);
        testsupport::RecordingMessages quiet;
        data::Tdm dm(demo_->path(), quiet);
        demo::addSalonHistory(dm, kToday);
    }
    static void TearDownTestSuite() { delete demo_; }

    Lines report(std::vector<std::string> args) {
        const std::string file = (out.path() / (args.front() + ".pdf")).string();
        std::vector<std::string> all{"--pdf", args.front(), file, "--de", from, "--ate", to};
        all.insert(all.end(), args.begin() + 1, args.end());
        std::ostringstream err;
        EXPECT_EQ(reports::runReportCommandLine(all, demo_->path(), err), 0) << err.str();
        return linesOf(reportstest::pdfText(file));
    }

    static constexpr core::Date kToday{2026, 12, 10};
    static inline testsupport::InitialDataDirectory* demo_ = nullptr;
    testsupport::TempDir out;
    const std::string from = core::shortDate(kToday.addDays(-61));
    const std::string to = core::shortDate(kToday.addDays(-1));
};

TEST_F(PeriodReportsPdfTest, ServiceReportsTotalsAgreeWithTheirRowsAndWithEachOther) {
    const Lines sales = report({"servicos-geral"});
    int saleRows = 0;
    const Currency salesTotal = figureAfter(sales, "TOTAL...R$");
    EXPECT_EQ(sumOfDatedRows(sales, 0, &saleRows), salesTotal);
    EXPECT_GT(saleRows, 100);
    EXPECT_EQ(paymentForms(sales), salesTotal);

    const Lines items = report({"servicos-detalhado"});
    int itemRows = 0;
    const Currency itemsTotal = figureAfter(items, "TOTAL...R$");
    EXPECT_EQ(sumOfDatedRows(items, 0, &itemRows), itemsTotal);
    EXPECT_GT(itemRows, saleRows);
    EXPECT_EQ(paymentForms(items), salesTotal);  // the block is the sales'

    const Lines summary = report({"servicos-resumido"});
    Currency codeTotals;
    const auto caption = std::find(summary.begin(), summary.end(), "PRODUTOS E SERVIÇOS QTDE. TOTAL R$");
    ASSERT_NE(caption, summary.end());
    for (auto line = caption + 1; line != summary.end() && !line->starts_with("RESUMO:"); ++line)
        codeTotals += amounts(*line).back();
    const Currency subTotal = figureAfter(summary, "SUB-TOTAL R$");
    EXPECT_EQ(codeTotals, subTotal);
    EXPECT_EQ(subTotal, itemsTotal);
    EXPECT_EQ(figureAfter(summary, "PRODUTOS R$") + figureAfter(summary, "SERVIÇOS R$"), subTotal);
    // Every sale's total is its items less the client credit it used.
    EXPECT_EQ(figureAfter(summary, "TOTAL GERAL R$"), subTotal - figureAfter(summary, "CREDITOS R$"));
    EXPECT_EQ(figureAfter(summary, "TOTAL GERAL R$"), salesTotal);

    const Lines received = report({"contas-recebidas"});
    int receivedRows = 0;
    const Currency receivedTotal = figureAfter(received, "TOTAL...R$");
    EXPECT_EQ(sumOfDatedRows(received, 0, &receivedRows), receivedTotal);
    EXPECT_GT(receivedRows, 50);
    EXPECT_EQ(paymentForms(received), receivedTotal);
}

TEST_F(PeriodReportsPdfTest, CommissionReportsTotalsAgreeWithTheirRowsAndWithEachOther) {
    const Lines general = report({"comissoes"});
    Currency services, commissions, advances;
    std::vector<Currency> ana;
    for (const std::string& line : general) {
        if (line.find(" . .") == std::string::npos) continue;
        const auto values = amounts(line);
        ASSERT_EQ(values.size(), 4u) << line;
        services += values[0];
        commissions += values[1];
        advances += values[2];
        EXPECT_EQ(values[3], values[1] - values[2]) << line;
        if (line.starts_with("ANA PAULA SOUZA")) ana = values;
    }
    EXPECT_EQ(figureAfter(general, "TOTAL SERVIÇOS......R$"), services);
    EXPECT_EQ(figureAfter(general, "TOTAL COMISSÕES...R$"), commissions);
    EXPECT_EQ(figureAfter(general, "TOTAL DE VALES........R$"), advances);
    EXPECT_EQ(services, figureAfter(report({"servicos-resumido"}), "SERVIÇOS R$"));

    const Lines one = report({"comissoes-individual", "--funcionario", "2"});
    ASSERT_EQ(ana.size(), 4u);
    EXPECT_NE(std::find(one.begin(), one.end(), "Funcionário: ANA PAULA SOUZA"), one.end());
    int rows = 0;
    EXPECT_EQ(sumOfDatedRows(one, 1, &rows), figureAfter(one, "TOTAL SERVIÇOS......R$"));
    EXPECT_GT(rows, 10);
    EXPECT_EQ(sumOfDatedRows(one, 0), figureAfter(one, "TOTAL COMISSÕES...R$"));
    EXPECT_EQ((std::vector<Currency>{
                  figureAfter(one, "TOTAL SERVIÇOS......R$"), figureAfter(one, "TOTAL COMISSÕES...R$"),
                  figureAfter(one, "TOTAL DE VALES........R$"), figureAfter(one, "TOTAL A RECEBER.....R$")}),
              ana);
}

TEST_F(PeriodReportsPdfTest, AdvancesReportsTotalsAgreeWithTheirRowsAndWithTheCommissions) {
    const Lines all = report({"vales"});
    int rows = 0;
    const Currency total = figureAfter(all, "TOTAL ...R$");
    EXPECT_EQ(sumOfDatedRows(all, 0, &rows), total);
    EXPECT_GT(rows, 5);
    EXPECT_EQ(total, figureAfter(report({"comissoes"}), "TOTAL DE VALES........R$"));

    // Each employee's advances are what the commission report deducts from them, and together
    // they are every advance of the period.
    Currency everyone;
    for (const char* code : {"2", "3", "4", "5"}) {
        SCOPED_TRACE(code);
        const Lines one = report({"vales-individual", "--funcionario", code});
        const Currency theirs = figureAfter(one, "TOTAL ...R$");
        EXPECT_EQ(sumOfDatedRows(one), theirs);
        EXPECT_EQ(theirs, figureAfter(report({"comissoes-individual", "--funcionario", code}),
                                      "TOTAL DE VALES........R$"));
        everyone += theirs;
    }
    EXPECT_EQ(everyone, total);
}

TEST_F(PeriodReportsPdfTest, AnUnknownEmployeeIsRefusedWithoutAFile) {
    const auto file = out.path() / "x.pdf";
    for (const char* name : {"comissoes-individual", "vales-individual"}) {
        SCOPED_TRACE(name);
        std::ostringstream err;
        EXPECT_EQ(reports::runReportCommandLine(
                      {"--pdf", name, file.string(), "--de", from, "--ate", to, "--funcionario", "99"},
                      demo_->path(), err),
                  1);
        EXPECT_NE(err.str().find("Não Existe Funcionário Com Este Código!"), std::string::npos) << err.str();
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    std::ostringstream err;
    EXPECT_EQ(reports::runReportCommandLine({"--pdf", "servicos-geral", file.string(), "--de", from},
                                            demo_->path(), err),
              2);
}

}  // namespace

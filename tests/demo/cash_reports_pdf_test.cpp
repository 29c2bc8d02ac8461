// The cash reports written by `--pdf` over the demo salon's two months of history, read back with
// pdftotext: every total agrees with the lines printed above it.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "core/date.h"
#include "demo/salon_history.h"
#include "reports/page_text.h"
#include "reports/report_command_line.h"
#include "support/data_fixture.h"

namespace {

using Cents = std::int64_t;

// Every amount "1.234,56" of `text`, in cents.
std::vector<Cents> amounts(const std::string& text) {
    static const std::regex money(R"((-?)(\d{1,3}(?:\.\d{3})*),(\d\d)(?![\d,]))");
    std::vector<Cents> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), money); it != std::sregex_iterator();
         ++it) {
        std::string reais = (*it)[2];
        std::erase(reais, '.');
        const Cents cents = std::stoll(reais) * 100 + std::stoll((*it)[3]);
        found.push_back((*it)[1].length() ? -cents : cents);
    }
    return found;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line.starts_with(' ') ? line.substr(1) : line);
    return result;
}

// Lines opening with a date: the detail lines.
std::vector<std::string> dated(const std::vector<std::string>& all) {
    static const std::regex date(R"(^\d\d/\d\d/\d{4} )");
    std::vector<std::string> result;
    std::ranges::copy_if(all, std::back_inserter(result),
                         [](const std::string& line) { return std::regex_search(line, date); });
    return result;
}

// The amount printed after "`caption` " where the caption stands on its own (not the end of
// a longer caption such as "TOTAL RETIRADAS + VALES R$").
Cents figure(const std::string& text, const std::string& caption) {
    for (auto at = text.find(caption); at != std::string::npos; at = text.find(caption, at + 1)) {
        const bool own =
            at == 0 || text[at - 1] == '\n' || (text[at - 1] == ' ' && (at < 2 || text[at - 2] != '+'));
        if (!own) continue;
        const auto after = amounts(text.substr(at + caption.size(), 40));
        if (!after.empty()) return after.front();
    }
    ADD_FAILURE() << "sem " << caption;
    return 0;
}

class CashReportsPdfTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        demo_ = new testsupport::InitialDataDirectory(true);
        testsupport::RecordingMessages quiet;
        data::Tdm dm(demo_->path(), quiet);
        demo::addSalonHistory(dm, {2026, 12, 10});
    }
    static void TearDownTestSuite() { delete demo_; }

    // The report over the history's two months and some days before them.
    std::string write(const std::string& name) {
        std::ostringstream err;
        const auto pdf = out / (name + ".pdf");
        EXPECT_EQ(reports::runReportCommandLine(
                      {"--pdf", name, pdf.string(), "--de", "01/10/2026", "--ate", "10/12/2026"},
                      demo_->path(), err),
                  0)
            << err.str();
        return reportstest::pdfText(pdf);
    }

    static inline testsupport::InitialDataDirectory* demo_ = nullptr;
    testsupport::TempDir out;
};

TEST_F(CashReportsPdfTest, CashPeriodsAddUpToTheirTotal) {
    const std::string text = write("caixa");
    const auto periods = dated(lines(text));
    ASSERT_GT(periods.size(), 40u) << text;
    Cents sum = 0;
    for (const std::string& line : periods) sum += amounts(line).back();
    EXPECT_EQ(figure(text, "TOTAL R$"), sum) << text;
    // Card and cash forms can never exceed the total, which also holds sales paid with credit.
    const Cents forms = figure(text, "Dinheiro R$") + figure(text, "Cheque R$") + figure(text, "Cartões R$") +
                        figure(text, "Notinhas R$");
    EXPECT_GT(forms, 0);
    EXPECT_LE(forms, sum);
}

TEST_F(CashReportsPdfTest, EachPeriodsDepositIsWhatItHeldLessWhatWasPassedOn) {
    const std::string text = write("caixa-conferencia");
    EXPECT_NE(text.find("Relatório de Fechamentos de Caixa - Período de:"), std::string::npos) << text;
    const auto periods = dated(lines(text));
    ASSERT_GT(periods.size(), 40u) << text;
    for (const std::string& line : periods) {
        SCOPED_TRACE(line);
        const auto a = amounts(line);
        ASSERT_EQ(a.size(), 5u);  // C. Inicial, Dinheiro, Pgtos., Depósito, Repasse
        EXPECT_EQ(a[0] + a[1] - a[2] - a[4], a[3]);
    }
}

TEST_F(CashReportsPdfTest, TheConferenceFootersAgreeWithItsLines) {
    const std::string text = write("conferencia");
    const auto all = lines(text);
    const auto items = dated(all);
    ASSERT_GT(items.size(), 100u) << text;
    Cents valor = 0, com = 0;
    for (const std::string& line : items) {
        const auto a = amounts(line);
        ASSERT_GE(a.size(), 2u) << line;
        valor += a[a.size() - 2];
        com += a.back();
    }
    EXPECT_EQ(figure(text, "SERVIÇOS R$"), valor);
    EXPECT_EQ(figure(text, "COMISSÕES R$"), com);

    Cents servicos = 0, comissoes = 0, vales = 0;
    int employees = 0;
    for (const std::string& line : all) {
        if (line.find(" . . .") == std::string::npos) continue;
        SCOPED_TRACE(line);
        const auto a = amounts(line);
        ASSERT_EQ(a.size(), 4u);
        EXPECT_EQ(a[1] - a[2], a[3]);
        servicos += a[0];
        comissoes += a[1];
        vales += a[2];
        ++employees;
    }
    EXPECT_GT(employees, 1);
    EXPECT_EQ(servicos, valor);
    EXPECT_EQ(comissoes, com);
    EXPECT_GT(vales, 0);  // the demo's employees take advances on Saturdays
    EXPECT_EQ(figure(text, "VALES R$"), vales);

    const Cents dinheiro = figure(text, "DINHEIRO R$");
    EXPECT_EQ(figure(text, "T. CAIXA R$"), dinheiro + figure(text, "CHEQUE R$") +
                                               figure(text, "C. DÉBITO R$") + figure(text, "C. CRÉDITO R$") +
                                               figure(text, "NOTINHA R$"));
    const Cents retiradas = figure(text, "RETIRADAS R$");
    EXPECT_EQ(figure(text, "TOTAL RETIRADAS + VALES R$"), retiradas + vales);
    EXPECT_EQ(figure(text, "DINHEIRO EM CAIXA R$"),
              dinheiro - retiradas - vales);  // the demo pays them in cash
}

}  // namespace

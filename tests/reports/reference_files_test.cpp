// Every report's --txt output over one fixed salon, compared with the reviewed file under
// tests/reports/expected. After a change meant to alter a report, `make update-expected`
// writes the files anew (VELMORA_UPDATE_EXPECTED=1) and the diff is reviewed in the commit.
#include <gtest/gtest.h>

#include <QProcess>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "data/demo_salon.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "demo/salon_history.h"
#include "reports/report_command_line.h"
#include "support/data_fixture.h"

namespace {

namespace fs = std::filesystem;

// A Monday: the history holds the two months of working days before it.
constexpr core::Date kToday{2025, 6, 16};

// The demo salon and its history as of kToday, made once for the whole run.
const fs::path& fixedSalon() {
    static testsupport::TempDir folder("velmora-reference-salon");
    static const fs::path salon = [] {
        const fs::path directory = folder / "Dados";
        data::createInitialData(directory, false);
        testsupport::RecordingMessages quiet;
        data::Tdm dm(directory, quiet);
        data::addDemoSalon(dm, kToday);
        demo::addSalonHistory(dm, kToday);
        return directory;
    }();
    return salon;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// `diff -u` of the two files, for a failure a person can read.
std::string unifiedDiff(const fs::path& expected, const fs::path& actual) {
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), QString::fromStdString(expected.string()),
                                        QString::fromStdString(actual.string())});
    diff.waitForFinished(30000);
    return diff.readAllStandardOutput().toStdString();
}

struct ReferenceCase {
    std::string file;               // under tests/reports/expected, without ".txt"
    std::vector<std::string> args;  // the report's name and options
};

const std::vector<ReferenceCase> kCases{
    {"clientes", {"clientes"}},
    {"aniversariantes-dia", {"aniversariantes-dia"}},
    {"aniversariantes-mes", {"aniversariantes-mes", "--mes", "6"}},
    {"precos-servicos", {"precos-servicos"}},
    {"precos-produtos", {"precos-produtos"}},
    {"precos-todos", {"precos-todos"}},
    {"fechamento-caixa", {"fechamento-caixa"}},
    {"fechamento-caixa-1", {"fechamento-caixa", "--numero", "1"}},
    {"vales", {"vales", "--de", "01/05/2025", "--ate", "31/05/2025"}},
    {"vales-individual",
     {"vales-individual", "--de", "01/04/2025", "--ate", "15/06/2025", "--funcionario", "2"}},
    {"contas-pagar", {"contas-pagar", "--de", "01/04/2025", "--ate", "31/08/2025"}},
    {"contas-pagar-fornecedor",
     {"contas-pagar-fornecedor", "--de", "01/04/2025", "--ate", "31/08/2025", "--fornecedor", "1"}},
    {"contas-pagas", {"contas-pagas", "--de", "01/05/2025", "--ate", "31/05/2025"}},
    {"contas-pagas-fornecedor",
     {"contas-pagas-fornecedor", "--de", "01/04/2025", "--ate", "15/06/2025", "--fornecedor", "1"}},
    {"comissoes", {"comissoes", "--de", "01/05/2025", "--ate", "31/05/2025"}},
    {"comissoes-individual",
     {"comissoes-individual", "--de", "01/06/2025", "--ate", "15/06/2025", "--funcionario", "2"}},
    {"caixa", {"caixa", "--de", "02/06/2025", "--ate", "07/06/2025"}},
    {"caixa-conferencia", {"caixa-conferencia", "--de", "02/06/2025", "--ate", "07/06/2025"}},
    {"conferencia", {"conferencia", "--de", "02/06/2025", "--ate", "07/06/2025"}},
    {"balancete", {"balancete", "--de", "01/05/2025", "--ate", "31/05/2025"}},
    {"servicos-geral", {"servicos-geral", "--de", "09/06/2025", "--ate", "14/06/2025"}},
    {"servicos-resumido", {"servicos-resumido", "--de", "01/05/2025", "--ate", "31/05/2025"}},
    {"servicos-detalhado", {"servicos-detalhado", "--de", "09/06/2025", "--ate", "14/06/2025"}},
    {"contas-recebidas", {"contas-recebidas", "--de", "01/04/2025", "--ate", "15/06/2025"}},
    {"extrato", {"extrato", "--de", "01/05/2025", "--ate", "15/06/2025", "--conta", "12345-6"}},
    {"recibo-vale", {"recibo-vale", "--numero", "1"}},
    {"notinhas", {"notinhas", "--cliente", "7"}},
    {"contas-receber", {"contas-receber"}},
    {"recebidas-cliente",
     {"recebidas-cliente", "--de", "01/04/2025", "--ate", "15/06/2025", "--cliente", "7"}},
    {"recibo-venda", {"recibo-venda", "--numero", "1"}},
    {"agenda", {"agenda", "--data-agenda", "16/06/2025"}},
    {"agenda-funcionario", {"agenda", "--data-agenda", "17/06/2025", "--funcionario", "2"}},
    {"comanda", {"comanda", "--funcionario", "2"}},
    {"entradas", {"entradas", "--de", "01/04/2025", "--ate", "15/06/2025"}},
};

class ReferenceFilesTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceFilesTest, TextOfTheReportIsTheReviewedOne) {
    const ReferenceCase& c = GetParam();
    testsupport::TempDir out;
    const fs::path written = out / (c.file + ".txt");
    std::vector<std::string> args{"--txt", c.args.front(), written.string(), "--data", fixedSalon().string()};
    args.insert(args.end(), c.args.begin() + 1, c.args.end());
    std::ostringstream err;
    const reports::GenerateOptions fixed{.today = kToday, .now = {18, 30, 0}};
    ASSERT_EQ(reports::runReportCommandLine(args, fixedSalon(), err, fixed), 0) << err.str();

    const fs::path expected = fs::path(VELMORA_EXPECTED_REPORTS) / (c.file + ".txt");
    if (std::getenv("VELMORA_UPDATE_EXPECTED"))
        fs::copy_file(written, expected, fs::copy_options::overwrite_existing);
    ASSERT_TRUE(fs::exists(expected)) << expected << " is missing: run `make update-expected` and review it";
    EXPECT_TRUE(readFile(written) == readFile(expected)) << c.file << " differs from its reference file:\n"
                                                         << unifiedDiff(expected, written);
}

INSTANTIATE_TEST_SUITE_P(EveryReport, ReferenceFilesTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.file;
    std::ranges::replace(name, '-', '_');
    return name;
});

TEST(ReferenceFiles, EveryReportOfTheCommandLineHasOne) {
    std::set<std::string> covered;
    for (const ReferenceCase& c : kCases) covered.insert(c.args.front());
    for (const std::string& name : reports::pdfReportNames()) EXPECT_TRUE(covered.contains(name)) << name;
}

TEST(ReferenceFiles, NoneIsLeftOverFromACaseThatWasRemoved) {
    std::set<std::string> files;
    for (const ReferenceCase& c : kCases) files.insert(c.file + ".txt");
    for (const auto& entry : fs::directory_iterator(VELMORA_EXPECTED_REPORTS))
        EXPECT_TRUE(files.contains(entry.path().filename().string())) << entry.path();
}

}  // namespace

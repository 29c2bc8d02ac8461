// Every report's --txt output over one fixed salon, compared with the reviewed file under
// tests/reports/expected. After a change meant to alter a report, `make update-expected`
// writes the files anew (VELMORA_UPDATE_EXPECTED=1) and the diff is reviewed in the commit.
#include <gtest/gtest.h>

#include <QProcess>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "fixed_salon.h"
#include "reports/report_command_line.h"

namespace {

namespace fs = std::filesystem;

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

// One test for them all: each test process would otherwise make the salon again.
TEST(ReferenceFiles, TextOfEveryReportIsTheReviewedOne) {
    testsupport::TempDir out;
    const reports::GenerateOptions fixed{.today = reportstest::kFixedToday, .now = {18, 30, 0}};
    for (const reportstest::ReportCase& c : reportstest::everyReport()) {
        SCOPED_TRACE(c.file);
        const fs::path written = out / (c.file + ".txt");
        std::vector<std::string> args{"--txt", c.args.front(), written.string(), "--data",
                                      reportstest::fixedSalon().string()};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        std::ostringstream err;
        ASSERT_EQ(reports::runReportCommandLine(args, reportstest::fixedSalon(), err, fixed), 0) << err.str();

        const fs::path expected = fs::path(VELMORA_EXPECTED_REPORTS) / (c.file + ".txt");
        if (std::getenv("VELMORA_UPDATE_EXPECTED"))
            fs::copy_file(written, expected, fs::copy_options::overwrite_existing);
        if (!fs::exists(expected)) {
            ADD_FAILURE() << expected << " is missing: run `make update-expected` and review it";
            continue;
        }
        EXPECT_TRUE(readFile(written) == readFile(expected))
            << c.file << " differs from its reference file:\n"
            << unifiedDiff(expected, written);
    }
}

TEST(ReferenceFiles, EveryReportOfTheCommandLineHasOne) {
    std::set<std::string> covered;
    for (const reportstest::ReportCase& c : reportstest::everyReport()) covered.insert(c.args.front());
    for (const std::string& name : reports::pdfReportNames()) EXPECT_TRUE(covered.contains(name)) << name;
}

TEST(ReferenceFiles, NoneIsLeftOverFromACaseThatWasRemoved) {
    std::set<std::string> files;
    for (const reportstest::ReportCase& c : reportstest::everyReport()) files.insert(c.file + ".txt");
    for (const auto& entry : fs::directory_iterator(VELMORA_EXPECTED_REPORTS))
        EXPECT_TRUE(files.contains(entry.path().filename().string())) << entry.path();
}

}  // namespace

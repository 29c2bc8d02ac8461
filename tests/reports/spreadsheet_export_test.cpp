// Reports as spreadsheets, read back as a spreadsheet program reads them: the .xlsx through
// openpyxl, the .csv with the Brazilian conventions.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

#include "fixed_salon.h"
#include "reports/engine/sheet_export.h"
#include "reports/report_command_line.h"

namespace {

namespace fs = std::filesystem;

const reports::GenerateOptions kFixed{.today = reportstest::kFixedToday, .now = {18, 30, 0}};

int exportReport(const std::string& flag, const std::vector<std::string>& report, const fs::path& file,
                 std::ostream& err) {
    std::vector<std::string> args{flag, report.front(), file.string(), "--data",
                                  reportstest::fixedSalon().string()};
    args.insert(args.end(), report.begin() + 1, report.end());
    return *reports::runReportCommandLine(args, reportstest::fixedSalon(), err, kFixed);
}

// What read_xlsx.py finds in each workbook.
QJsonArray readWorkbooks(const std::vector<fs::path>& files) {
    QStringList args{QStringLiteral(VELMORA_READ_XLSX)};
    for (const fs::path& file : files) args << QString::fromStdString(file.string());
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"), args);
    reader.waitForFinished(120000);
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A money column and the line of the report's own total of it.
struct MoneyCase {
    std::vector<std::string> report;
    std::string caption;     // over the column
    std::string totalLabel;  // on the line of the total
};

const std::vector<MoneyCase> kMoneyCases{
    {{"servicos-geral", "--de", "09/06/2025", "--ate", "14/06/2025"}, "Total R$", "TOTAL...R$"},
    {{"contas-pagas", "--de", "01/05/2025", "--ate", "31/05/2025"}, "Valor R$", "TOTAL...R$"},
    {{"vales", "--de", "01/05/2025", "--ate", "31/05/2025"}, "VALOR R$", "TOTAL ...R$"},
    {{"comissoes", "--de", "01/05/2025", "--ate", "31/05/2025"}, "SERVIÇOS R$", "TOTAL SERVIÇOS......R$"},
    {{"contas-recebidas", "--de", "01/04/2025", "--ate", "15/06/2025"}, "VALOR R$", "TOTAL...R$"},
};

// The cells of a workbook row, as text, with null cells empty.
std::vector<QJsonObject> cellsOf(const QJsonValue& row) {
    std::vector<QJsonObject> cells;
    for (const QJsonValue& cell : row.toArray()) cells.push_back(cell.toObject());
    return cells;
}

TEST(SpreadsheetExport, MoneyColumnsOfTheWorkbookAreNumbersAddingUpToTheReportsTotal) {
    testsupport::TempDir out;
    std::vector<fs::path> files;
    for (const MoneyCase& c : kMoneyCases) {
        files.push_back(out / (c.report.front() + ".xlsx"));
        std::ostringstream err;
        ASSERT_EQ(exportReport("--xlsx", c.report, files.back(), err), 0) << err.str();
    }
    const QJsonArray books = readWorkbooks(files);
    ASSERT_EQ(books.size(), static_cast<qsizetype>(kMoneyCases.size()));
    for (std::size_t i = 0; i < kMoneyCases.size(); ++i) {
        const MoneyCase& c = kMoneyCases[i];
        SCOPED_TRACE(c.report.front());
        const QJsonObject book = books[static_cast<qsizetype>(i)].toObject();
        EXPECT_EQ(book["sheets"].toInt(), 1);
        const QJsonArray rows = book["rows"].toArray();
        // The header row: the one holding the caption; the sheet is frozen right under it.
        qsizetype header = -1;
        qsizetype column = -1;
        for (qsizetype r = 0; r < rows.size() && header < 0; ++r) {
            const auto cells = cellsOf(rows[r]);
            for (std::size_t k = 0; k < cells.size(); ++k)
                if (cells[k]["v"].toString().toStdString() == c.caption) header = r, column = qsizetype(k);
        }
        ASSERT_GE(header, 1) << "no column " << c.caption << " under a title";
        EXPECT_EQ(book["freeze"].toString(), QStringLiteral("A%1").arg(header + 2));
        EXPECT_EQ(cellsOf(rows[0])[0]["v"].toString().toStdString(), "Studio Bella Forma");

        std::int64_t cents = 0;
        int lines = 0;
        std::optional<double> total;
        for (qsizetype r = header + 1; r < rows.size() && !total; ++r) {
            const auto cells = cellsOf(rows[r]);
            const bool isTotal = std::ranges::any_of(cells, [&](const QJsonObject& cell) {
                return cell["v"].toString().toStdString() == c.totalLabel;
            });
            if (isTotal) {
                for (const QJsonObject& cell : cells)
                    if (cell["t"] == QStringLiteral("n")) total = cell["v"].toDouble();
                continue;
            }
            ASSERT_GT(static_cast<qsizetype>(cells.size()), column);
            const QJsonObject money = cells[static_cast<std::size_t>(column)];
            ASSERT_EQ(money["t"].toString(), QStringLiteral("n")) << "row " << r;
            EXPECT_EQ(money["f"].toString().toStdString(), reports::kXlsxMoneyFormat);
            cents += std::llround(money["v"].toDouble() * 100);
            ++lines;
        }
        ASSERT_TRUE(total) << "no line " << c.totalLabel;
        EXPECT_GT(lines, 1);
        EXPECT_EQ(cents, std::llround(*total * 100));
    }
}

TEST(SpreadsheetExport, DatesOfTheWorkbookAreDates) {
    testsupport::TempDir out;
    std::ostringstream err;
    ASSERT_EQ(exportReport("--xlsx", kMoneyCases.front().report, out / "s.xlsx", err), 0) << err.str();
    const QJsonArray rows = readWorkbooks({out / "s.xlsx"})[0].toObject()["rows"].toArray();
    int dates = 0;
    for (const QJsonValue& row : rows) {
        const auto cells = cellsOf(row);
        if (cells.empty() || cells[0]["t"] != QStringLiteral("d")) continue;
        EXPECT_EQ(cells[0]["f"].toString().toStdString(), reports::kXlsxDateFormat);
        EXPECT_TRUE(
            std::regex_match(cells[0]["v"].toString().toStdString(), std::regex(R"((09|1[0-4])/06/2025)")))
            << cells[0]["v"].toString().toStdString();
        ++dates;
    }
    EXPECT_GT(dates, 1);
}

// The lines of a CSV file, its fields parted at ';'.
std::vector<std::vector<std::string>> csvLines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line not ended by CR LF";
        if (end == std::string::npos) break;
        const std::string line = text.substr(at, end - at);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        std::vector<std::string> fields;
        std::size_t from = 0;
        for (std::size_t semicolon; (semicolon = line.find(';', from)) != std::string::npos;
             from = semicolon + 1)
            fields.push_back(line.substr(from, semicolon - from));
        fields.push_back(line.substr(from));
        lines.push_back(fields);
        at = end + 2;
    }
    return lines;
}

// "1234,56" as cents; nothing for what is not an amount with decimal comma.
std::optional<std::int64_t> csvCents(const std::string& field) {
    std::smatch parts;
    if (!std::regex_match(field, parts, std::regex(R"((-?)(\d+),(\d{2}))"))) return std::nullopt;
    const std::int64_t cents = std::stoll(parts[2]) * 100 + std::stoll(parts[3]);
    return parts[1].length() ? -cents : cents;
}

TEST(SpreadsheetExport, CsvReadWithSemicolonAndDecimalCommaHasTheSameFigures) {
    testsupport::TempDir out;
    std::vector<MoneyCase> cases = kMoneyCases;
    // Its lines are a sub-detail's, under the captions its detail line prints.
    cases.push_back({{"balancete", "--de", "01/05/2025", "--ate", "31/05/2025"}, "Valor R$", "Total...R$"});
    for (const MoneyCase& c : cases) {
        SCOPED_TRACE(c.report.front());
        std::ostringstream err;
        ASSERT_EQ(exportReport("--csv", c.report, out / "r.csv", err), 0) << err.str();
        const std::string text = readFile(out / "r.csv");
        ASSERT_TRUE(text.starts_with("\xEF\xBB\xBF")) << "no byte order mark";
        const auto lines = csvLines(text.substr(3));
        std::size_t header = lines.size(), column = 0;
        for (std::size_t l = 0; l < lines.size() && header == lines.size(); ++l)
            for (std::size_t k = 0; k < lines[l].size(); ++k)
                if (lines[l][k] == c.caption) header = l, column = k;
        ASSERT_LT(header, lines.size()) << "no column " << c.caption;
        std::int64_t cents = 0;
        std::optional<std::int64_t> total;
        for (std::size_t l = header + 1; l < lines.size() && !total; ++l) {
            if (std::ranges::find(lines[l], c.totalLabel) != lines[l].end()) {
                for (const std::string& field : lines[l])
                    if (const auto amount = csvCents(field)) total = amount;
                continue;
            }
            ASSERT_GT(lines[l].size(), column);
            const auto amount = csvCents(lines[l][column]);
            ASSERT_TRUE(amount) << lines[l][column];
            cents += *amount;
        }
        ASSERT_TRUE(total) << "no line " << c.totalLabel;
        EXPECT_EQ(cents, *total);
    }
}

TEST(SpreadsheetExport, EveryReportExportsToEachFormat) {
    testsupport::TempDir out;
    std::vector<fs::path> books;
    for (const reportstest::ReportCase& c : reportstest::everyReport()) {
        SCOPED_TRACE(c.file);
        for (const char* format : {"xlsx", "csv"}) {
            const fs::path file = out / (c.file + "." + format);
            std::ostringstream err;
            ASSERT_EQ(exportReport(std::string("--") + format, c.args, file, err), 0) << err.str();
            EXPECT_GT(fs::file_size(file), 3u);
        }
        books.push_back(out / (c.file + ".xlsx"));
    }
    const QJsonArray read = readWorkbooks(books);
    ASSERT_EQ(read.size(), static_cast<qsizetype>(books.size()));
    for (qsizetype i = 0; i < read.size(); ++i)
        EXPECT_FALSE(read[i].toObject()["rows"].toArray().isEmpty()) << books[static_cast<std::size_t>(i)];
}

TEST(SpreadsheetExport, AFileThatCannotBeWrittenIsRefusedAndLeftAbsent) {
    testsupport::TempDir out;
    for (const char* format : {"xlsx", "csv"}) {
        const fs::path file = out / "nao-existe" / (std::string("x.") + format);
        std::ostringstream err;
        EXPECT_EQ(exportReport(std::string("--") + format, {"clientes"}, file, err), 1);
        EXPECT_NE(err.str().find("Não foi possível gravar a planilha"), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(file));
    }
}

}  // namespace

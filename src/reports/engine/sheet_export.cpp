#include "reports/engine/sheet_export.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <fstream>

#include "core/format.h"
#include "reports/engine/output_error.h"

namespace reports {

namespace {

void removeQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

[[noreturn]] void cannotWrite(const std::filesystem::path& path) {
    removeQuietly(path);
    throw OutputError("Não foi possível gravar a planilha " + path.string() + ".");
}

// The sheet is written row by row, so the workbook keeps no more than one row in memory.
class Workbook {
  public:
    explicit Workbook(const std::filesystem::path& path) : path_(path) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        book_ = workbook_new_opt(path.c_str(), &options);
        if (!book_) cannotWrite(path);
        sheet_ = workbook_add_worksheet(book_, "Relatório");
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
        money_ = workbook_add_format(book_);
        format_set_num_format(money_, kXlsxMoneyFormat);
        date_ = workbook_add_format(book_);
        format_set_num_format(date_, kXlsxDateFormat);
    }
    ~Workbook() {
        if (!book_) return;
        // Closing is the only way to free it; what it wrote is no workbook anyone asked for.
        workbook_close(book_);
        removeQuietly(path_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    void write(const ReportSheet& sheet) {
        lxw_row_t row = 0;
        for (const std::string& line : sheet.titleLines) text(row++, 0, line, bold_);
        bool anyCaption = false;
        for (std::size_t column = 0; column < sheet.header.size(); ++column)
            if (!sheet.header[column].empty()) {
                text(row, static_cast<lxw_col_t>(column), sheet.header[column], bold_);
                anyCaption = true;
            }
        if (anyCaption) ++row;
        worksheet_freeze_panes(sheet_, row, 0);
        for (const auto& cells : sheet.rows) {
            for (std::size_t column = 0; column < cells.size(); ++column)
                cell(row, static_cast<lxw_col_t>(column), cells[column]);
            ++row;
        }
    }

    void close() {
        const lxw_error closed = workbook_close(book_);
        book_ = nullptr;
        if (closed != LXW_NO_ERROR) cannotWrite(path_);
    }

  private:
    void check(lxw_error error) const {
        if (error != LXW_NO_ERROR) cannotWrite(path_);
    }

    void text(lxw_row_t row, lxw_col_t column, const std::string& value, lxw_format* format = nullptr) {
        check(worksheet_write_string(sheet_, row, column, value.c_str(), format));
    }

    void cell(lxw_row_t row, lxw_col_t column, const SheetCell& cell) {
        if (const auto* amount = std::get_if<core::Currency>(&cell.value)) {
            check(worksheet_write_number(sheet_, row, column, amount->toDouble(), money_));
        } else if (const auto* date = std::get_if<core::Date>(&cell.value)) {
            lxw_datetime when{
                date->year, static_cast<uint8_t>(date->month), static_cast<uint8_t>(date->day), 0, 0, 0};
            check(worksheet_write_datetime(sheet_, row, column, &when, date_));
        } else if (const auto* number = std::get_if<double>(&cell.value)) {
            check(worksheet_write_number(sheet_, row, column, *number, nullptr));
        } else if (!cell.text.empty()) {
            text(row, column, cell.text);
        }
    }

    std::filesystem::path path_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* money_ = nullptr;
    lxw_format* date_ = nullptr;
};

// A field quoted when it holds the separator, a quote or a line break.
std::string csvField(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// Amounts without thousands separators, so every spreadsheet reads them as numbers.
std::string csvValue(const SheetCell& cell) {
    if (const auto* amount = std::get_if<core::Currency>(&cell.value))
        return core::formatMask(*amount, "0.00");
    if (const auto* date = std::get_if<core::Date>(&cell.value)) return core::shortDate(*date);
    return csvField(cell.text);
}

}  // namespace

void writeXlsx(const ReportSheet& sheet, const std::filesystem::path& path) {
    Workbook book(path);
    book.write(sheet);
    book.close();
}

void writeCsv(const ReportSheet& sheet, const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) cannotWrite(path);
    out << "\xEF\xBB\xBF";
    const auto line = [&](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? ";" : "") << fields[i];
        out << "\r\n";
    };
    for (const std::string& title : sheet.titleLines) line({csvField(title)});
    std::vector<std::string> fields;
    if (std::ranges::any_of(sheet.header, [](const std::string& h) { return !h.empty(); })) {
        for (const std::string& caption : sheet.header) fields.push_back(csvField(caption));
        line(fields);
    }
    for (const auto& cells : sheet.rows) {
        fields.clear();
        for (const SheetCell& cell : cells) fields.push_back(csvValue(cell));
        line(fields);
    }
    out.close();
    if (!out) cannotWrite(path);
}

void writeXlsx(const Report& report, const std::filesystem::path& path, GenerateOptions options) {
    writeXlsx(sheetOf(report, std::move(options)), path);
}

void writeCsv(const Report& report, const std::filesystem::path& path, GenerateOptions options) {
    writeCsv(sheetOf(report, std::move(options)), path);
}

}  // namespace reports

#pragma once
// Writes a report as a spreadsheet, from its bands (reports/engine/report_sheet.h): an .xlsx
// workbook of one sheet, amounts as numbers formatted in reais and dates as dates, the header
// row frozen under the title; or a .csv as Brazilian spreadsheets open it (";" between
// fields, decimal comma, UTF-8 with a byte order mark, lines ended by CR LF).
#include <filesystem>

#include "reports/engine/generator.h"
#include "reports/engine/report_sheet.h"

namespace reports {

// Both throw OutputError when the file cannot be written; a run that fails half way leaves
// no file.
void writeXlsx(const ReportSheet& sheet, const std::filesystem::path& path);
void writeCsv(const ReportSheet& sheet, const std::filesystem::path& path);

void writeXlsx(const Report& report, const std::filesystem::path& path, GenerateOptions options = {});
void writeCsv(const Report& report, const std::filesystem::path& path, GenerateOptions options = {});

// How the .xlsx formats amounts and dates (Excel's own codes; a Brazilian Excel shows them as
// R$ #.##0,00 and dd/mm/aaaa).
inline constexpr const char* kXlsxMoneyFormat = "\"R$ \"#,##0.00";
inline constexpr const char* kXlsxDateFormat = "dd/mm/yyyy";

}  // namespace reports

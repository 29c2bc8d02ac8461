#pragma once
// A generated report as plain text: one line per printed line, each text at the column its
// place on the sheet gives it, pages parted by a form feed. Reviewing a whole report in a
// diff needs nothing more than this.
#include <filesystem>
#include <string>

#include "reports/engine/generator.h"
#include "reports/engine/page_model.h"

namespace reports {

// Millimetres of the sheet one character column stands for.
inline constexpr double kTextColumnMm = 1.8;

// The page's texts, top to bottom; texts whose tops are within a tenth of a millimetre
// share a line. A text that would run into the one before starts one blank after it.
std::string pageText(const Page& page);

// Throws OutputError when the report has no page or the file cannot be written; a run that
// fails half way leaves no file.
void writeText(const Report& report, const std::filesystem::path& path, GenerateOptions options = {});

}  // namespace reports

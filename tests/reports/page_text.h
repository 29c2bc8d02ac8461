#pragma once
// Reading generated reports back as text: the page model line by line, and a PDF through
// pdftotext, both normalised so ligatures and spacing do not decide a test.
#include <filesystem>
#include <string>
#include <vector>

#include "reports/engine/page_model.h"

namespace reportstest {

// The texts of one page grouped into lines (same top, left to right), each line's pieces
// joined with " | ".
std::vector<std::string> pageLines(const reports::Page& page);
// Every page's lines, one after the other.
std::vector<std::string> allLines(const reports::PageModel& model);
// The text of every PageText of the page, in order of appearance.
std::vector<std::string> texts(const reports::Page& page);

// pdftotext's reading of the file (NFKC-normalised, runs of blanks made one).
std::string pdfText(const std::filesystem::path& pdf);

// Lines of `lines` that start with `prefix`.
std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines, const std::string& prefix);

}  // namespace reportstest

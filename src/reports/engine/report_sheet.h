#pragma once
// A report laid out as one sheet of a spreadsheet, from the report's own bands rather than
// its pages: its title lines, a column for each varying text of the detail band (of the first
// sub-detail that has one, when the detail line holds only captions) with the caption printed
// over it, a row for each of its lines, and among them the other lines, totals and summaries,
// each value in the column it prints under.
#include <cstddef>
#include <string>
#include <vector>

#include "reports/engine/generator.h"

namespace reports {

struct SheetCell {
    std::string text;          // as printed; empty for a column the line leaves blank
    PrintedText::Value value;  // what a spreadsheet can count with
};

struct ReportSheet {
    std::vector<std::string> titleLines;       // the headings, one line each, without page numbers
    std::vector<std::string> header;           // a caption per column, empty when none prints
    std::vector<std::vector<SheetCell>> rows;  // a total's line may run past the last column
    std::size_t detailRows = 0;                // how many rows are lines of the band the columns follow
};

// Generates the report without keeping its pages.
ReportSheet sheetOf(const Report& report, GenerateOptions options = {});

}  // namespace reports

#pragma once
// Runs a report definition over its tables and lays the bands out on pages.
#include <functional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "core/currency.h"

#include "core/date.h"
#include "reports/engine/page_model.h"
#include "reports/engine/report.h"

namespace reports {

enum class BandKind { PageHeader, Title, Detail, SubDetail, SubDetailFooter, Summary, PageFooter };

// What one text item of a band printed, with what stands behind the text when it is an
// amount (a total, a money field, a label a handler filled with one), a date or a number.
struct PrintedText {
    const TextItem* item = nullptr;
    std::string text;
    using Value = std::variant<std::monostate, core::Currency, core::Date, double>;
    Value value;
};

struct PrintedBand {
    BandKind kind = BandKind::Detail;
    const Band* band = nullptr;
    std::vector<PrintedText> texts;  // in the band's order; empty texts left out
};

struct GenerateOptions {
    core::Date today = core::Date::today();  // what the system date prints
    core::Time now = core::Time::now();
    // Told the share of detail rows done (0..100) whenever it grows; false stops the run.
    std::function<bool(int percent)> progress;
    // When set, each page is handed here as soon as it is finished, with the model it belongs
    // to (paper, pictures), and not kept: memory stays flat however long the report is.
    std::function<void(const PageModel& model, Page&& page)> pageDone;
    // When set, told every band as it prints, each text worked out once for both.
    std::function<void(const PrintedBand& band)> bandPrinted;
    // False when only the bands are wanted: the pages are counted but nothing is laid out on
    // them (no text measured, no picture decoded).
    bool layOut = true;
};

class GenerationCancelled : public std::runtime_error {
  public:
    GenerationCancelled() : std::runtime_error("Geração do relatório cancelada.") {}
};

// Walks the main table from its first row (in its current index, range and filter) and
// returns the pages (none kept when they went to `pageDone`). The main table is left past
// its last row.
PageModel generate(const Report& report, const GenerateOptions& options = {});

}  // namespace reports

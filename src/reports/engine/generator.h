#pragma once
// Runs a report definition over its tables and lays the bands out on pages.
#include <functional>
#include <stdexcept>

#include "core/date.h"
#include "reports/engine/page_model.h"
#include "reports/engine/report.h"

namespace reports {

struct GenerateOptions {
    core::Date today = core::Date::today();  // what the system date prints
    core::Time now = core::Time::now();
    // Told the share of detail rows done (0..100) whenever it grows; false stops the run.
    std::function<bool(int percent)> progress;
    // When set, each page is handed here as soon as it is finished, with the model it belongs
    // to (paper, pictures), and not kept: memory stays flat however long the report is.
    std::function<void(const PageModel& model, Page&& page)> pageDone;
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

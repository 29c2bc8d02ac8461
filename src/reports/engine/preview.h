#pragma once
// Preview of a report: generates its pages, shows the preview window over the window that
// asked for it (the modal screen in front, else the main window), modal to it, and returns
// only once the user has closed it.
#include <functional>

#include "reports/engine/report.h"

namespace reports {

void previewReport(const Report& report);

// Prints the report straight to the system's default printer, without a preview; a station
// without a printer is told so and gets the preview, from which it can export a PDF.
void printReport(const Report& report);

// What a requesting screen does with a report once it has prepared its tables: the
// menus preview it; the command line writes a PDF; tests keep the pages.
using ReportOutput = std::function<void(const Report&)>;

}  // namespace reports

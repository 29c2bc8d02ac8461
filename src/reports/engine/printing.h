#pragma once
// Sends generated pages to a printer with the "Printing progress" window and its Cancel.
#include "reports/engine/page_model.h"

class QPrinter;
class QWidget;

namespace reports {

// Prints the printer's page range (all pages when none is set) with its copies. Returns
// false when the user cancelled; throws OutputError when the printer refuses the job.
bool printPages(const PageModel& model, QPrinter& printer, QWidget* parent = nullptr);

// True when the system has at least one printer to send a job to.
bool printerInstalled();

}  // namespace reports

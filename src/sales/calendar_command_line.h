#pragma once
// The appointment book as a calendar file without a window:
//   velmora --ics SAIDA.ics --data-agenda DD/MM/AAAA [--funcionario N] [--dias N]
//           [--data DIR | --servidor CONEXAO]
#include <iosfwd>
#include <string>
#include <vector>

#include "data/store/database.h"

namespace sales {

// The form as `velmora --help` lists it.
std::string calendarUsage();

// Runs the --ics form on `dataSet`: 0 once the file is written, 1 when the data or the file
// failed (said on `err`), 2 for arguments it cannot use (`err` then gets the problem alone,
// for the caller to show before the program's usage).
int runCalendarCommandLine(const std::vector<std::string>& args, const store::Location& dataSet,
                           std::ostream& err);

}  // namespace sales

#pragma once
// The data set from the command line:
//   velmora --init-data DIR [--demo]    a new data directory, with its master password
//   velmora --init-data --servidor CONEXAO [--demo]
//                                       the same in an empty database of a PostgreSQL server
//   velmora --senha-master DIR          a new master password for the data set in DIR
//                                       (or --servidor CONEXAO)
// Each ends the run.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "data/store/database.h"

namespace data {

// These forms as `velmora --help` lists them.
std::string dataCommandUsage();

// The data set --init-data names, when the arguments hold a well-formed one.
std::optional<store::Location> initDataSet(const std::vector<std::string>& args);

// Handles --init-data or --senha-master when `args` hold one: returns the exit code (0 done,
// 1 refused or failed, 2 wrong arguments) after writing what happened to `out` or `err`.
// Nothing when the arguments hold neither.
std::optional<int> runDataCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                      std::ostream& err);

}  // namespace data

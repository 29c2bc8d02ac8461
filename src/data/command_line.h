#pragma once
// `velmora --init-data DIR [--demo]`: prepares a new data directory and ends the run.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace data {

// Handles --init-data when `args` hold it: returns the exit code (0 done, 1 refused or
// failed, 2 no directory given) after writing what happened to `out` or `err`. Nothing
// when the arguments do not ask for it.
std::optional<int> runDataCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                      std::ostream& err);

}  // namespace data

#pragma once
// Every form of `velmora`'s command line, in one table that both runs them and lists them
// for --help.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "data/config.h"
#include "data/store/database.h"

// What the arguments ask for: the exit status of a command that has already run (help,
// version, a data set, a report, a backup, or a usage error), or the data set of an
// interactive run (--data DIR, --servidor CONEXAO, or the one config.ini names, looked for
// in `places`).
std::variant<int, store::Location> runCommandLine(const std::vector<std::string>& args,
                                                  const data::ConfigPlaces& places, std::ostream& out,
                                                  std::ostream& err);

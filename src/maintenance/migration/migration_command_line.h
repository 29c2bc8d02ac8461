#pragma once
// velmora --migrar ORIGEM DESTINO, each side a data directory or --servidor CONEXAO: the
// salon's tables moved from one data set to the other, table by table on the terminal.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace migration {

std::string migrationUsage();

// Handles --migrar when `args` hold it: the exit code (0 moved and checked, 1 refused or
// failed, 2 wrong arguments) after telling `out` the progress and `err` what went wrong.
// Nothing when the arguments do not ask for it.
std::optional<int> runMigrationCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                           std::ostream& err);

}  // namespace migration

#pragma once
// The command-line backup, restore and archive information, with the way stored files are
// read given by the caller (consistent table snapshots in the program, plain files in tests).
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "data/store/database.h"
#include "maintenance/backup_file.h"

namespace maintenance {

// These forms as `velmora --help` lists them.
std::string_view backupUsage();

// `args` are the program's arguments without the program name. Nothing when they hold none
// of --backup, --restore or --archive-info; otherwise the exit status: 0 done, 1 failed
// (the reason on `err`), 2 wrong arguments. A backup without --data or --servidor copies
// `dataSet`, a data directory or a server.
std::optional<int> runBackupCommand(const std::vector<std::string>& args, const store::Location& dataSet,
                                    std::ostream& out, std::ostream& err, TBackupFile::FileSource fileSource);

}  // namespace maintenance

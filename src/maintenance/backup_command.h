#pragma once
// The command-line backup, restore and archive information, with the way stored files are
// read given by the caller (consistent table snapshots in the program, plain files in tests).
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "maintenance/backup_file.h"

namespace maintenance {

// These forms as `velmora --help` lists them.
std::string_view backupUsage();

// `args` are the program's arguments without the program name. Nothing when they hold none
// of --backup, --restore or --archive-info; otherwise the exit status: 0 done, 1 failed
// (the reason on `err`), 2 wrong arguments.
std::optional<int> runBackupCommand(const std::vector<std::string>& args,
                                    const std::filesystem::path& configuredDataDir, std::ostream& out,
                                    std::ostream& err, TBackupFile::FileSource fileSource);

}  // namespace maintenance

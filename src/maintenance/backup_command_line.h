#pragma once
// Scheduled backups from the command line:
//   --backup ARCHIVE [--data DIR | --servidor CONNECTION] [--level fastest|none|default|max]
//            [--max-size BYTES]
//   --restore ARCHIVE DIR [--mode all|no-overwrite|newer|existing|existing-newer]
//   --restore ARCHIVE --servidor CONNECTION [--mode all|no-overwrite|existing]
//   --archive-info ARCHIVE
// Table files are stored from consistent snapshots, so a table another station is writing
// is never archived half-written.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "data/store/database.h"

namespace maintenance {

// `args` are the program's arguments without the program name. Nothing when they hold none
// of the options above; otherwise the exit status: 0 done, 1 failed (the reason on `err`),
// 2 wrong arguments.
std::optional<int> runBackupCommandLine(const std::vector<std::string>& args, const store::Location& dataSet,
                                        std::ostream& out, std::ostream& err);

}  // namespace maintenance

#pragma once
// Scheduled backups from the command line:
//   --backup ARCHIVE [--data DIR | --servidor CONNECTION] [--nivel rapido|nenhum|padrao|maximo]
//            [--tamanho-maximo BYTES]
//   --restore ARCHIVE DIR [--modo todos|sem-sobrescrever|mais-novos|existentes|existentes-mais-novos]
//   --restore ARCHIVE --servidor CONNECTION [--modo todos|sem-sobrescrever|existentes]
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

#pragma once
// Backups of a data set whose tables are kept by a server, in the same archive as a data
// directory's: the tables are first written as the table files of a private temporary data
// directory by the copier, and that directory is what the archive holds. A restore unpacks
// the archive into such a directory and copies its tables onto the server. So an archive
// made in either mode restores in either mode.
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "data/store/database.h"
#include "maintenance/backup_file.h"

namespace maintenance {

// The copy to or from the server failed or was refused, in Portuguese, saying what became of
// the server's tables.
class ServerBackupError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes every table of `dataSet` into `archive` through `backup` (its settings, progress and
// errors as for files), every table read as of one moment while other stations go on
// posting. False when `backup` failed writing the archive (it has reported why); throws
// ServerBackupError or store::Error when the tables could not be copied.
bool backupTables(TBackupFile& backup, store::Database& dataSet, const std::filesystem::path& archive);

struct TablesRestored {
    int tables = 0;    // tables written onto the server
    int archived = 0;  // files the archive holds
};

// Puts the tables stored in `archive` onto `dataSet`. `backup.RestoreMode` says which:
// rmAll every table the archive holds (replacing the rows of one the server has), rmNoOverwrite
// only those the server lacks, rmExisting only those it has; the modes by file date do not
// apply to tables on a server and are refused. Every table written is held exclusively
// (another station that has it open refuses the restore before anything is written), and
// checked against the archive's copy. While it runs, and after it failed midway, the data set
// is marked as an unfinished copy, which stations refuse to open. Nothing when `backup` could
// not read the archive (it has reported why); throws ServerBackupError or store::Error.
std::optional<TablesRestored> restoreTables(TBackupFile& backup, const std::filesystem::path& archive,
                                            store::Database& dataSet);

}  // namespace maintenance

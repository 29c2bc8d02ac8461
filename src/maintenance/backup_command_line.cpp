#include "maintenance/backup_command_line.h"

#include "data/store/snapshot.h"
#include "maintenance/backup_command.h"

namespace maintenance {

std::optional<int> runBackupCommandLine(const std::vector<std::string>& args, const store::Location& dataSet,
                                        std::ostream& out, std::ostream& err) {
    auto snapshot = [](const std::filesystem::path& file, const std::filesystem::path& scratch) {
        return store::snapshotTableFile(file, scratch) ? scratch : file;
    };
    return runBackupCommand(args, dataSet, out, err, snapshot);
}

}  // namespace maintenance

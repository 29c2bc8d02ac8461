#include "maintenance/server_backup.h"

#include <stdlib.h>

#include <memory>
#include <system_error>
#include <vector>

#include "data/data_set_notes.h"
#include "data/store/backend.h"
#include "maintenance/migration/table_copy.h"
#include "maintenance/table_file_names.h"

namespace maintenance {

namespace fs = std::filesystem;

namespace {

// A private temporary data directory, removed with everything in it at the end.
class PrivateDirectory {
  public:
    explicit PrivateDirectory(const char* prefix) {
        std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw ServerBackupError("Não foi possível criar uma pasta temporária em " +
                                    fs::temp_directory_path().string() + ".");
        path_ = pattern;
    }
    ~PrivateDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    PrivateDirectory(const PrivateDirectory&) = delete;
    PrivateDirectory& operator=(const PrivateDirectory&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

std::string named(const migration::SharedTable& table) {
    return "A tabela " + table.name() + " (" + table.entry.definition.fileName + ")";
}

// Every table of `dataSet` into the table files of `directory`, read as of one moment.
void copyOut(store::Database& dataSet, const fs::path& directory) {
    std::vector<migration::SharedTable> present;
    std::vector<std::string> files;
    std::string names;
    for (const auto& table : migration::sharedTables()) {
        if (!dataSet.backend().tableExists(table.entry.definition)) continue;
        present.push_back(table);
        files.push_back(table.entry.definition.fileName);
        names += (names.empty() ? "" : ", ") + table.name();
    }
    if (present.empty())
        throw ServerBackupError("Os dados do " + dataSet.location() +
                                " não têm as tabelas do Velmora. A cópia de segurança não foi feita.");
    const store::ErrorContext context{names, "cópia de segurança"};
    // Postings of other stations go on; none of them shows halfway in the copy.
    auto moment = dataSet.backend().begin(files, false, context);
    store::Database copy(directory);
    migration::NoProgress progress;
    for (const auto& table : present)
        migration::copyTable(table, *moment, copy.backend(), progress, "A cópia de segurança não foi feita.");
    moment->rollback();
}

// The tables of the unpacked archive that `mode` writes onto the data set.
std::vector<migration::SharedTable> chosenTables(store::Database& unpacked, store::Database& dataSet,
                                                 TRestoreMode mode, const fs::path& archive) {
    std::vector<migration::SharedTable> chosen;
    bool archived = false;
    for (const auto& table : migration::sharedTables()) {
        if (!unpacked.backend().tableExists(table.entry.definition)) continue;
        archived = true;
        const bool existing = dataSet.backend().tableExists(table.entry.definition);
        if ((mode == TRestoreMode::rmNoOverwrite && existing) ||
            (mode == TRestoreMode::rmExisting && !existing))
            continue;
        chosen.push_back(table);
    }
    if (!archived)
        throw ServerBackupError("A cópia de segurança " + archive.string() +
                                " não contém tabelas do Velmora. Nada foi restaurado.");
    return chosen;
}

}  // namespace

bool backupTables(TBackupFile& backup, store::Database& dataSet, const fs::path& archive) {
    PrivateDirectory directory("velmora-copia");
    try {
        copyOut(dataSet, directory.path());
    } catch (const migration::MigrationError& error) {
        throw ServerBackupError(error.what());
    }
    return backup.BackupFiles({(directory.path() / "*.*").string()}, archive);
}

std::optional<TablesRestored> restoreTables(TBackupFile& backup, const fs::path& archive,
                                            store::Database& dataSet) {
    const TRestoreMode mode = backup.RestoreMode;
    if (mode == TRestoreMode::rmNewer || mode == TRestoreMode::rmExistingNewer)
        throw ServerBackupError("As tabelas do " + dataSet.location() +
                                " são mantidas pelo servidor, sem data de arquivo: restaure todas, só as que "
                                "faltam ou só as existentes. Nada foi restaurado.");
    PrivateDirectory directory("velmora-restauracao");
    backup.RestoreMode = TRestoreMode::rmAll;
    const bool unpacked = backup.RestoreArchive(archive, directory.path());
    backup.RestoreMode = mode;
    if (!unpacked) return std::nullopt;
    nameRestoredTableFiles(directory.path());

    TablesRestored restored;
    restored.archived = static_cast<int>(backup.FileCount());
    store::Database source(directory.path());
    store::Backend& server = dataSet.backend();
    const auto chosen = chosenTables(source, dataSet, mode, archive);
    // No other station may have a table open while its rows are replaced under it.
    std::vector<std::unique_ptr<store::RecordLocks>> held;
    for (const auto& table : chosen) {
        auto locks = server.recordLocks(table.ref());
        try {
            locks->lockTable(true);
        } catch (const store::LockError&) {
            throw ServerBackupError(
                named(table) + " do " + dataSet.location() +
                " está em uso em outra estação. Feche o Velmora nas outras estações e tente "
                "de novo. Nada foi restaurado.");
        }
        held.push_back(std::move(locks));
    }
    if (chosen.empty()) return restored;

    server.writeNote(data::kUnfinishedCopyNote,
                     "Estes dados estavam recebendo a cópia de segurança " + archive.filename().string() +
                         ", começada em " + migration::noteTime() +
                         ", e a restauração não terminou. Restaure a cópia de segurança de novo.");
    migration::NoProgress progress;
    for (const auto& table : chosen) {
        auto from = source.backend().openTable(table.ref());
        try {
            migration::copyTable(table, *from, server, progress,
                                 "Os dados do " + dataSet.location() +
                                     " ficaram marcados como restauração incompleta: restaure a cópia de "
                                     "segurança de novo.");
        } catch (const migration::MigrationError& error) {
            throw ServerBackupError(error.what());
        }
        ++restored.tables;
    }
    server.removeNote(data::kUnfinishedCopyNote);
    return restored;
}

}  // namespace maintenance

#include "maintenance/migration/migration.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "data/data_set_notes.h"
#include "data/store/backend.h"
#include "maintenance/migration/table_copy.h"

namespace migration {
namespace {

// "o diretório de dados /x" or "o servidor de dados velmora em host:5432".
std::string describe(store::Database& database) {
    return (database.keepsTableFiles() ? "o diretório de dados " : "o ") + database.location();
}

bool sameDataSet(const store::Location& a, const store::Location& b) {
    if (a.onServer() || b.onServer())
        return a.onServer() && b.onServer() && a.server->connection == b.server->connection;
    std::error_code error;
    return std::filesystem::weakly_canonical(a.directory, error) ==
           std::filesystem::weakly_canonical(b.directory, error);
}

class Migration {
  public:
    Migration(const store::Location& source, const store::Location& destination, MigrationProgress& progress)
        : source_(source), destination_(destination), progress_(progress), tables_(sharedTables()) {}

    MigrationSummary run() {
        refuseMovedSource();
        holdSource();
        refuseFilledDestination();
        destination_.backend().writeNote(
            data::kUnfinishedCopyNote,
            "Estes dados são uma cópia incompleta de " + describe(source_) + ", começada em " + noteTime() +
                ": a transferência não terminou. Apague-os e transfira os dados de novo.");
        MigrationSummary summary;
        for (const SharedTable& table : tables_) {
            if (!held_[&table - tables_.data()]) {
                progress_.absent(table.name());
                continue;
            }
            summary.rows += copy(table);
            ++summary.tables;
        }
        destination_.backend().removeNote(data::kUnfinishedCopyNote);
        source_.backend().writeNote(data::kMovedNote, "Eles foram transferidos em " + noteTime() + " para " +
                                                          describe(destination_) + " (" +
                                                          destination_.backend().reachedBy() + ").");
        return summary;
    }

  private:
    void refuseMovedSource() {
        for (const char* note : {data::kMovedNote, data::kUnfinishedCopyNote})
            if (const auto text = source_.backend().note(note))
                throw MigrationError("Os dados de " + describe(source_) +
                                     " não podem ser transferidos: " + *text + " Nada foi copiado.");
    }

    // Every table of the source, exclusively: another station that has one open keeps the
    // whole copy from starting.
    void holdSource() {
        store::Backend& backend = source_.backend();
        bool any = false;
        for (const SharedTable& table : tables_) {
            if (!backend.tableExists(table.entry.definition)) {
                held_.push_back(nullptr);
                continue;
            }
            auto locks = backend.recordLocks(table.ref());
            try {
                locks->lockTable(true);
            } catch (const store::LockError&) {
                throw MigrationError("A tabela " + table.name() + " (" + table.entry.definition.fileName +
                                     ") de " + describe(source_) +
                                     " está em uso em outra estação. Feche o Velmora nas outras estações e "
                                     "tente de novo. Nada foi copiado.");
            }
            held_.push_back(std::move(locks));
            any = true;
        }
        if (!any)
            throw MigrationError("A origem, " + describe(source_) +
                                 ", não tem as tabelas do Velmora. Nada foi copiado.");
    }

    void refuseFilledDestination() {
        for (const SharedTable& table : tables_)
            if (destination_.backend().tableExists(table.entry.definition))
                throw MigrationError("O destino, " + describe(destination_) + ", já contém a tabela " +
                                     table.name() + " (" + table.entry.definition.fileName +
                                     "): os dados só são transferidos para um destino sem tabelas, para "
                                     "nunca misturar dois salões. Nada foi copiado.");
    }

    std::int64_t copy(const SharedTable& table) {
        auto from = source_.backend().openTable(table.ref());
        return copyTable(table, *from, destination_.backend(), progress_,
                         "O destino (" + describe(destination_) +
                             ") ficou marcado como cópia incompleta; a origem não foi alterada.");
    }

    store::Database source_;
    store::Database destination_;
    MigrationProgress& progress_;
    std::vector<SharedTable> tables_;
    std::vector<std::unique_ptr<store::RecordLocks>> held_;  // by table; none where it is absent
};

}  // namespace

MigrationSummary migrate(const store::Location& source, const store::Location& destination,
                         MigrationProgress& progress) {
    if (sameDataSet(source, destination))
        throw MigrationError("A origem e o destino da transferência são os mesmos dados.");
    return Migration(source, destination, progress).run();
}

}  // namespace migration

#include "maintenance/migration/migration.h"

#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

#include "data/data_set_notes.h"
#include "data/store/backend.h"
#include "data/tables.h"
#include "maintenance/migration/row_digest.h"

namespace migration {
namespace {

// Rows read from the source and written to the destination at a time.
constexpr int kBatchRows = 2000;

struct SharedTable {
    const data::TableEntry& entry;
    store::ErrorContext context;
    std::vector<int> stored;  // the fields that live in the table

    explicit SharedTable(const data::TableEntry& entry)
        : entry(entry), context{entry.component, entry.definition.fileName} {
        for (std::size_t i = 0; i < entry.definition.fields.size(); ++i)
            if (!entry.definition.fields[i].calculated) stored.push_back(static_cast<int>(i));
    }
    store::TableRef ref() const { return {entry.definition, context}; }
    const std::string& name() const { return entry.component; }
};

// "o diretório de dados /x" or "o servidor de dados velmora em host:5432".
std::string describe(store::Database& database) {
    return (database.keepsTableFiles() ? "o diretório de dados " : "o ") + database.location();
}

std::string now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d/%m/%Y às %H:%M", &local);
    return text;
}

bool sameDataSet(const store::Location& a, const store::Location& b) {
    if (a.onServer() || b.onServer())
        return a.onServer() && b.onServer() && a.server->connection == b.server->connection;
    std::error_code error;
    return std::filesystem::weakly_canonical(a.directory, error) ==
           std::filesystem::weakly_canonical(b.directory, error);
}

// Reads every row of a table in identity order, a batch at a time.
template <typename Visit>
void eachBatch(store::Session& session, const SharedTable& table, Visit&& visit) {
    store::KeyQuery query;
    query.order = {store::KeyColumn::rowIdentity()};
    query.limit = kBatchRows;
    query.fields = &table.stored;
    for (;;) {
        std::vector<store::Record> rows = session.read(table.ref(), query);
        if (rows.empty()) return;
        visit(rows);
        if (static_cast<int>(rows.size()) < kBatchRows) return;
        query.where = store::Predicate::comparison(store::KeyColumn::rowIdentity(), store::Compare::Greater,
                                                   rows.back().rowid);
    }
}

struct Fingerprint {
    std::int64_t counted = 0;  // as the store counts the rows
    std::int64_t read = 0;     // as the digest walked them
    std::string digest;
    bool operator==(const Fingerprint&) const = default;
};

Fingerprint fingerprintOf(store::Backend& backend, const SharedTable& table) {
    auto session = backend.openTable(table.ref());
    Fingerprint print;
    print.counted = session->count(table.ref(), store::Predicate{});
    RowDigest digest;
    eachBatch(*session, table, [&](const std::vector<store::Record>& rows) {
        for (const auto& row : rows) digest.add(row, table.stored);
    });
    print.read = digest.rows();
    print.digest = digest.finish();
    return print;
}

class Migration {
  public:
    Migration(const store::Location& source, const store::Location& destination, MigrationProgress& progress)
        : source_(source), destination_(destination), progress_(progress) {
        for (const auto& entry : data::tableCatalogue())
            if (entry.placement == data::Placement::Shared) tables_.emplace_back(entry);
    }

    MigrationSummary run() {
        refuseMovedSource();
        holdSource();
        refuseFilledDestination();
        destination_.backend().writeNote(
            data::kUnfinishedCopyNote,
            "Estes dados são uma cópia incompleta de " + describe(source_) + ", começada em " + now() +
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
        source_.backend().writeNote(data::kMovedNote, "Eles foram transferidos em " + now() + " para " +
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
        const std::int64_t rows = from->count(table.ref(), store::Predicate{});
        progress_.copying(table.name(), rows);
        store::Backend& into = destination_.backend();
        into.createTable(table.ref());
        auto transaction = into.begin({table.entry.definition.fileName}, true, table.context);
        std::int64_t done = 0;
        eachBatch(*from, table, [&](const std::vector<store::Record>& batch) {
            transaction->insertRows(table.ref(), table.stored, batch);
            done += static_cast<std::int64_t>(batch.size());
            progress_.rowsCopied(table.name(), done, rows);
        });
        transaction->commit();
        progress_.copied(table.name());
        check(table);
        progress_.checked(table.name(), rows);
        return rows;
    }

    void check(const SharedTable& table) {
        const Fingerprint there = fingerprintOf(destination_.backend(), table);
        const Fingerprint here = fingerprintOf(source_.backend(), table);
        if (here == there) return;
        throw MigrationError(
            "A conferência da tabela " + table.name() + " (" + table.entry.definition.fileName +
            ") falhou: a origem tem " + std::to_string(here.counted) + " registros e o destino " +
            std::to_string(there.counted) +
            (here.counted == there.counted ? ", mas com conteúdo diferente" : "") + ". O destino (" +
            describe(destination_) + ") ficou marcado como cópia incompleta; a origem não foi alterada.");
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

#include "maintenance/migration/table_copy.h"

#include <ctime>

#include "maintenance/migration/row_digest.h"

namespace migration {
namespace {

// Rows read from the source and written to the destination at a time.
constexpr int kBatchRows = 2000;

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

Fingerprint fingerprintOf(store::Session& session, const SharedTable& table) {
    Fingerprint print;
    print.counted = session.count(table.ref(), store::Predicate{});
    RowDigest digest;
    eachBatch(session, table, [&](const std::vector<store::Record>& rows) {
        for (const auto& row : rows) digest.add(row, table.stored);
    });
    print.read = digest.rows();
    print.digest = digest.finish();
    return print;
}

}  // namespace

std::string noteTime() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d/%m/%Y às %H:%M", &local);
    return text;
}

SharedTable::SharedTable(const data::TableEntry& entry)
    : entry(entry), context{entry.component, entry.definition.fileName} {
    for (std::size_t i = 0; i < entry.definition.fields.size(); ++i)
        if (!entry.definition.fields[i].calculated) stored.push_back(static_cast<int>(i));
}

std::vector<SharedTable> sharedTables() {
    std::vector<SharedTable> tables;
    for (const auto& entry : data::tableCatalogue())
        if (entry.placement == data::Placement::Shared) tables.emplace_back(entry);
    return tables;
}

std::int64_t copyTable(const SharedTable& table, store::Session& from, store::Backend& into,
                       MigrationProgress& progress, const std::string& whenDifferent) {
    const std::int64_t rows = from.count(table.ref(), store::Predicate{});
    progress.copying(table.name(), rows);
    const bool replacing = into.tableExists(table.entry.definition);
    if (!replacing) into.createTable(table.ref());
    auto transaction = into.begin({table.entry.definition.fileName}, true, table.context);
    if (replacing) transaction->removeAll(table.ref());
    std::int64_t done = 0;
    eachBatch(from, table, [&](const std::vector<store::Record>& batch) {
        transaction->insertRows(table.ref(), table.stored, batch);
        done += static_cast<std::int64_t>(batch.size());
        progress.rowsCopied(table.name(), done, rows);
    });
    transaction->commit();
    progress.copied(table.name());

    const Fingerprint there = fingerprintOf(*into.openTable(table.ref()), table);
    const Fingerprint here = fingerprintOf(from, table);
    if (here != there)
        throw MigrationError(
            "A conferência da tabela " + table.name() + " (" + table.entry.definition.fileName +
            ") falhou: a origem tem " + std::to_string(here.counted) + " registros e o destino " +
            std::to_string(there.counted) +
            (here.counted == there.counted ? ", mas com conteúdo diferente" : "") + ". " + whenDifferent);
    progress.checked(table.name(), rows);
    return rows;
}

}  // namespace migration

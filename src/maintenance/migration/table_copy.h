#pragma once
// Copying one table of a salon's data set into another data set, row by row under the rows'
// own identities, and checking the copy against its source. The copier, backups and restores
// on a server all copy tables this way, so that each copy is checked the same.
#include <cstdint>
#include <string>
#include <vector>

#include "data/store/backend.h"
#include "data/tables.h"
#include "maintenance/migration/migration.h"

namespace migration {

// A table that lives in the data set (not a station's own work table), with the fields a
// copy reads and writes: those that are stored.
struct SharedTable {
    const data::TableEntry& entry;
    store::ErrorContext context;
    std::vector<int> stored;

    explicit SharedTable(const data::TableEntry& entry);
    store::TableRef ref() const { return {entry.definition, context}; }
    const std::string& name() const { return entry.component; }
};

// "11/12/2026 às 14:05", the moment a note about a copy says it began or ended.
std::string noteTime();

// Every table of the data module kept in the data set, in catalogue order.
std::vector<SharedTable> sharedTables();

// Writes every row of `table` read through `from` into `into` under its own identity, as one
// write: into a table created there, or over every row the table there held (which go in the
// same write). Then checks that both sides hold the same rows by count and ordered digest,
// the source read through `from` again (a consistent read sees the moment it copied), the
// destination as it now stores them. On a difference throws MigrationError naming the table,
// its message ended by `whenDifferent` (what became of each side). Gives the rows copied.
std::int64_t copyTable(const SharedTable& table, store::Session& from, store::Backend& into,
                       MigrationProgress& progress, const std::string& whenDifferent);

}  // namespace migration

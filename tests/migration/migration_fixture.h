#pragma once
// Data sets for the copier's tests: a data directory with the initial or the demo data, and a
// destination on each backend (a directory, or a schema of the test server standing for one).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "data/dm.h"
#include "data/store/backend.h"
#include "data/store/database.h"
#include "data/tables.h"
#include "maintenance/migration/migration.h"
#include "support/data_fixture.h"
#include "support/server_schema.h"
#include "support/temp_dir.h"

namespace migrationtest {

// A destination backend, and how a test gets an empty data set on it.
struct Side {
    std::string name;
    std::function<store::Location(const std::filesystem::path& standIn)> locate;
};

inline const std::vector<Side>& sides() {
    static const std::vector<Side> all = {
        {"sqlite", [](const std::filesystem::path& dir) { return store::Location(dir / "Dados"); }},
        {"postgres",
         [](const std::filesystem::path& dir) {
             return store::Location(store::ServerConnection{testsupport::serverConnectionFor(dir)});
         }},
    };
    return all;
}

// The store's message when a data module opens the data set; empty when it opens.
inline std::string refusalOnOpen(const store::Location& dataSet) {
    testsupport::RecordingMessages messages;
    try {
        data::Tdm dm(dataSet, messages);
    } catch (const store::Error& error) {
        return error.what();
    }
    return "";
}

inline std::vector<const Side*> everySide() {
    std::vector<const Side*> all;
    for (const auto& side : sides()) all.push_back(&side);
    return all;
}

inline std::string sideName(const ::testing::TestParamInfo<const Side*>& info) {
    return info.param->name;
}

inline void PrintTo(const Side* side, std::ostream* out) {
    *out << side->name;
}

// Every row of one shared table in identity order, every stored field read.
inline std::vector<store::Record> rowsOf(store::Database& database, const data::TableEntry& entry) {
    std::vector<int> fields;
    for (std::size_t i = 0; i < entry.definition.fields.size(); ++i)
        if (!entry.definition.fields[i].calculated) fields.push_back(static_cast<int>(i));
    const store::ErrorContext context{entry.component, entry.definition.fileName};
    const store::TableRef ref{entry.definition, context};
    store::KeyQuery query;
    query.order = {store::KeyColumn::rowIdentity()};
    query.fields = &fields;
    return database.backend().openTable(ref)->read(ref, query);
}

inline std::vector<const data::TableEntry*> sharedTables() {
    std::vector<const data::TableEntry*> shared;
    for (const auto& entry : data::tableCatalogue())
        if (entry.placement == data::Placement::Shared) shared.push_back(&entry);
    return shared;
}

// Every shared table of `copy` holds the rows of `original`, identities and values, row by
// row; gives the rows compared. `trailRowsAdded`: the audit trail of `copy` goes on past the
// original's by that many rows (a restore records itself).
inline std::size_t expectSameTables(store::Database& original, store::Database& copy,
                                    std::size_t trailRowsAdded = 0) {
    std::size_t rows = 0;
    for (const data::TableEntry* entry : sharedTables()) {
        const auto expected = rowsOf(original, *entry);
        const auto copied = rowsOf(copy, *entry);
        const std::size_t added = entry->component == "TbAuditoria" ? trailRowsAdded : 0;
        EXPECT_EQ(copied.size(), expected.size() + added) << entry->component;
        for (std::size_t i = 0; i < std::min(expected.size(), copied.size()); ++i) {
            EXPECT_EQ(copied[i].rowid, expected[i].rowid) << entry->component << " row " << i;
            EXPECT_EQ(copied[i].values, expected[i].values) << entry->component << " row " << i;
        }
        rows += expected.size();
    }
    return rows;
}

// Progress as the copier tells it, one line an event, and a chance to act once a table is copied.
class RecordingProgress : public migration::MigrationProgress {
  public:
    void copying(const std::string& table, std::int64_t rows) override {
        said.push_back(table + " " + std::to_string(rows));
    }
    void rowsCopied(const std::string&, std::int64_t, std::int64_t) override {}
    void copied(const std::string& table) override {
        if (afterCopy) afterCopy(table);
    }
    void checked(const std::string& table, std::int64_t rows) override {
        said.push_back(table + " ok " + std::to_string(rows));
    }
    void absent(const std::string& table) override { said.push_back(table + " absent"); }

    std::vector<std::string> said;
    std::function<void(const std::string&)> afterCopy;
};

}  // namespace migrationtest

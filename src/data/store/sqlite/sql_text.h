#pragma once
// Key queries written as SQLite SQL, their values bound as parameters.
#include <string>
#include <vector>

#include "data/store/backend.h"

namespace store {

struct SqlText {
    std::string text;
    std::vector<Value> params;
};

SqlText whereClause(const Predicate& where, const TableDef& def);
// "SELECT rowid, a, b FROM rows WHERE … ORDER BY … LIMIT ? OFFSET ?"
SqlText selectSql(const KeyQuery& query, const TableDef& def, const std::string& rowsTable);

}  // namespace store

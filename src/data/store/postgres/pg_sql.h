#pragma once
// Key queries written as PostgreSQL SQL, their values bound as parameters ($1, $2, …).
#include <string>
#include <vector>

#include "data/store/backend.h"
#include "data/store/postgres/pg_connection.h"

namespace store {

struct PgSql {
    std::string text;
    std::vector<PgParam> params;
};

PgSql pgWhere(const Predicate& where, const TableDef& def);
// "SELECT linha, a, b FROM t WHERE … ORDER BY … LIMIT $n OFFSET $m"
PgSql pgSelect(const KeyQuery& query, const TableDef& def);
// The rows of each query in turn, at most `limit` in all, in one statement; each row's
// columns are the query's after two of the statement's own (part and position).
PgSql pgSelectEach(const std::vector<KeyQuery>& queries, int limit, const TableDef& def);
PgSql pgCount(const Predicate& where, const TableDef& def);

}  // namespace store

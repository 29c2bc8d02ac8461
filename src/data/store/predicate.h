#pragma once
// WHERE-clause pieces with their parameters, for ordering keys compared the way the
// table orders them: lexicographically, a null before every value.
#include <string>
#include <vector>

#include "data/store/value.h"

namespace store {

struct Predicate {
    std::string sql = "1";
    std::vector<Value> params;

    static Predicate never() { return {"0", {}}; }
    Predicate& andWith(const Predicate& other);
};

enum class Compare { Less, LessEqual, Equal, GreaterEqual, Greater };

// `keys` are SQL expressions (with their collation), `values` the same number of values.
// Greater and GreaterEqual on values without nulls use a row-value comparison plus a bound
// on the first key, which lets SQLite seek in the index instead of scanning it.
Predicate compareKeys(const std::vector<std::string>& keys, const std::vector<Value>& values, Compare op);

// "key IS NULL" / "key IS NOT NULL".
Predicate keyIsNull(const std::string& key, bool null);

}  // namespace store

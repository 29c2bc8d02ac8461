#pragma once
// Conditions on a table's rows as values, for ordering keys compared the way the table
// orders them: lexicographically, a null before every value. Each backend writes them in its
// own query language; their shapes (a row comparison plus a bound on the first key, a walk
// level by level) are the ones an index serves.
#include <string>
#include <vector>

#include "data/store/value.h"

namespace store {

enum class Compare { Less, LessEqual, Equal, GreaterEqual, Greater, NotEqual };

// A column a condition or an order names: a stored field, or the row's identity, which
// breaks ties between equal keys.
struct KeyColumn {
    static constexpr int kRowIdentity = -1;
    int field = kRowIdentity;   // index among the definition's fields
    bool ignoringCase = false;  // text compared as a case-insensitive index orders it
    bool collated = true;       // text in Portuguese order; false compares it byte by byte (filters)

    static KeyColumn rowIdentity() { return {}; }
    bool isRowIdentity() const { return field == kRowIdentity; }
    bool operator==(const KeyColumn&) const = default;
};

struct Predicate {
    enum class Kind {
        Always,
        Never,
        Comparison,     // columns[0] op values[0]
        IsNull,         // columns[0] is null
        IsNotNull,      // columns[0] is not null
        RowComparison,  // (columns...) op (values...), no value null
        All,            // every part holds
        Any,            // some part holds
    };
    Kind kind = Kind::Always;
    Compare op = Compare::Equal;
    std::vector<KeyColumn> columns;
    std::vector<Value> values;
    std::vector<Predicate> parts;

    static Predicate never() { return {Kind::Never}; }
    static Predicate comparison(const KeyColumn& column, Compare op, Value value) {
        return {Kind::Comparison, op, {column}, {std::move(value)}};
    }
    Predicate& andWith(const Predicate& other);
};

// `keys` and `values` of the same length. Greater and GreaterEqual on values without nulls
// become a row comparison plus a bound on the first key, which lets an index seek instead
// of scanning (with one key, the bound alone).
Predicate compareKeys(const std::vector<KeyColumn>& keys, const std::vector<Value>& values, Compare op);

Predicate keyIsNull(const KeyColumn& key, bool null);

}  // namespace store

#include "data/store/predicate.h"

#include <algorithm>

namespace store {

Predicate& Predicate::andWith(const Predicate& other) {
    if (other.sql == "1") return *this;
    if (sql == "1") return *this = other;
    sql = "(" + sql + ") AND (" + other.sql + ")";
    params.insert(params.end(), other.params.begin(), other.params.end());
    return *this;
}

Predicate keyIsNull(const std::string& key, bool null) {
    return {key + (null ? " IS NULL" : " IS NOT NULL"), {}};
}

namespace {

bool anyNull(const std::vector<Value>& values) {
    return std::any_of(values.begin(), values.end(), [](const Value& v) { return isNull(v); });
}

Predicate equalTo(const std::string& key, const Value& value) {
    if (isNull(value)) return keyIsNull(key, true);
    return {key + " = ?", {value}};
}

// Strictly after `value` in key order (nulls first).
Predicate after(const std::string& key, const Value& value) {
    if (isNull(value)) return keyIsNull(key, false);
    return {key + " > ?", {value}};
}

// Strictly before `value` in key order (nulls first).
Predicate before(const std::string& key, const Value& value) {
    if (isNull(value)) return Predicate::never();
    return {"(" + key + " < ? OR " + key + " IS NULL)", {value}};
}

Predicate either(const Predicate& a, const Predicate& b) {
    if (a.sql == "0") return b;
    if (b.sql == "0") return a;
    Predicate result{"(" + a.sql + " OR " + b.sql + ")", a.params};
    result.params.insert(result.params.end(), b.params.begin(), b.params.end());
    return result;
}

// Lexicographic comparison from key `i` on, written out with explicit null handling.
Predicate expanded(const std::vector<std::string>& keys, const std::vector<Value>& values, std::size_t i,
                   bool greater, bool orEqual) {
    if (i == keys.size()) return orEqual ? Predicate{} : Predicate::never();
    Predicate strict = greater ? after(keys[i], values[i]) : before(keys[i], values[i]);
    Predicate rest = expanded(keys, values, i + 1, greater, orEqual);
    if (rest.sql == "0") return strict;
    Predicate tie = equalTo(keys[i], values[i]);
    tie.andWith(rest);
    return either(strict, tie);
}

}  // namespace

Predicate compareKeys(const std::vector<std::string>& keys, const std::vector<Value>& values, Compare op) {
    Predicate result;
    if (op == Compare::Equal) {
        for (std::size_t i = 0; i < keys.size(); ++i) result.andWith(equalTo(keys[i], values[i]));
        return result;
    }
    const bool greater = op == Compare::Greater || op == Compare::GreaterEqual;
    const bool orEqual = op == Compare::GreaterEqual || op == Compare::LessEqual;
    if (greater && !anyNull(values)) {
        std::string left, right;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            left += (i ? ", " : "") + keys[i];
            right += i ? ", ?" : "?";
        }
        result.sql = "(" + left + ") " + (orEqual ? ">=" : ">") + " (" + right + ") AND " + keys[0] + " >= ?";
        result.params = values;
        result.params.push_back(values[0]);
        return result;
    }
    return expanded(keys, values, 0, greater, orEqual);
}

}  // namespace store

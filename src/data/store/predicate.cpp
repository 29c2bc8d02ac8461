#include "data/store/predicate.h"

#include <algorithm>

namespace store {

Predicate& Predicate::andWith(const Predicate& other) {
    if (other.kind == Kind::Always || kind == Kind::Never) return *this;
    if (kind == Kind::Always || other.kind == Kind::Never) return *this = other;
    if (kind != Kind::All) *this = Predicate{Kind::All, Compare::Equal, {}, {}, {std::move(*this)}};
    if (other.kind == Kind::All) {
        parts.insert(parts.end(), other.parts.begin(), other.parts.end());
    } else {
        parts.push_back(other);
    }
    return *this;
}

Predicate keyIsNull(const KeyColumn& key, bool null) {
    return {null ? Predicate::Kind::IsNull : Predicate::Kind::IsNotNull, Compare::Equal, {key}};
}

namespace {

bool anyNull(const std::vector<Value>& values) {
    return std::any_of(values.begin(), values.end(), [](const Value& v) { return isNull(v); });
}

Predicate equalTo(const KeyColumn& key, const Value& value) {
    if (isNull(value)) return keyIsNull(key, true);
    return Predicate::comparison(key, Compare::Equal, value);
}

Predicate either(Predicate a, Predicate b) {
    if (a.kind == Predicate::Kind::Never) return b;
    if (b.kind == Predicate::Kind::Never) return a;
    return {Predicate::Kind::Any, Compare::Equal, {}, {}, {std::move(a), std::move(b)}};
}

// Strictly after `value` in key order (nulls first).
Predicate after(const KeyColumn& key, const Value& value) {
    if (isNull(value)) return keyIsNull(key, false);
    return Predicate::comparison(key, Compare::Greater, value);
}

// Strictly before `value` in key order (nulls first).
Predicate before(const KeyColumn& key, const Value& value) {
    if (isNull(value)) return Predicate::never();
    return either(Predicate::comparison(key, Compare::Less, value), keyIsNull(key, true));
}

// Lexicographic comparison from key `i` on, written out with explicit null handling.
Predicate expanded(const std::vector<KeyColumn>& keys, const std::vector<Value>& values, std::size_t i,
                   bool greater, bool orEqual) {
    if (i == keys.size()) return orEqual ? Predicate{} : Predicate::never();
    Predicate strict = greater ? after(keys[i], values[i]) : before(keys[i], values[i]);
    Predicate rest = expanded(keys, values, i + 1, greater, orEqual);
    if (rest.kind == Predicate::Kind::Never) return strict;
    Predicate tie = equalTo(keys[i], values[i]);
    tie.andWith(rest);
    return either(std::move(strict), std::move(tie));
}

}  // namespace

Predicate compareKeys(const std::vector<KeyColumn>& keys, const std::vector<Value>& values, Compare op) {
    Predicate result;
    if (op == Compare::Equal) {
        for (std::size_t i = 0; i < keys.size(); ++i) result.andWith(equalTo(keys[i], values[i]));
        return result;
    }
    const bool greater = op == Compare::Greater || op == Compare::GreaterEqual;
    const bool orEqual = op == Compare::GreaterEqual || op == Compare::LessEqual;
    if (greater && !anyNull(values)) {
        // One key needs no row comparison: its bound alone is the whole condition (nulls, which
        // come first, are below any value).
        if (keys.size() == 1) return Predicate::comparison(keys[0], op, values[0]);
        result = {Predicate::Kind::RowComparison, op, keys, values};
        result.andWith(Predicate::comparison(keys[0], Compare::GreaterEqual, values[0]));
        return result;
    }
    return expanded(keys, values, 0, greater, orEqual);
}

}  // namespace store

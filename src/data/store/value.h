#pragma once
// One field's value in a record buffer: null, an integer, a float, or text (dates, times
// and blobs travel as text: ISO dates, "HH:MM:SS" times, raw blob bytes).
#include <cstdint>
#include <string>
#include <variant>

namespace store {

using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

inline bool isNull(const Value& v) {
    return std::holds_alternative<std::monostate>(v);
}

}  // namespace store

#pragma once
// Writing whole records from a list of field values, for the initial data set.
#include <string>
#include <utility>
#include <vector>

#include "data/store/table.h"

namespace data {

using Cells = std::vector<std::pair<std::string, store::Value>>;

// Inserts a record (the table's new-record hook runs first), sets the given fields, posts.
inline void addRow(store::Table& table, const Cells& cells) {
    table.insert();
    for (const auto& [name, value] : cells) table.field(name).setValue(value);
    table.post();
}

}  // namespace data

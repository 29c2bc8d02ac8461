#pragma once
// Every table of the program as data: its component name, where its file lives, and its
// definition (file, fields, indexes). The data module builds its table components from
// this list and the initial data set creates the shared files from it.
#include <string>
#include <string_view>
#include <vector>

#include "data/store/definition.h"

namespace data {

enum class Placement {
    Shared,           // in the data directory, seen by every station
    Private,          // report work table, private to this program instance
    PrivateSingleRow  // private buffer whose one row the screens edit in place
};

struct TableEntry {
    std::string component;  // "TbCliente"
    store::TableDef definition;
    Placement placement = Placement::Shared;
};

// Catalogue, register tables first, then the operation and work tables.
const std::vector<TableEntry>& tableCatalogue();
// The entry of one component; throws std::out_of_range for an unknown name.
const TableEntry& tableEntry(std::string_view component);

// The parts of the catalogue, one per area.
std::vector<TableEntry> registerTables();
std::vector<TableEntry> operationTables();
std::vector<TableEntry> workTables();

}  // namespace data

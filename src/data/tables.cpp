#include "data/tables.h"

#include <iterator>
#include <stdexcept>

namespace data {

const std::vector<TableEntry>& tableCatalogue() {
    static const std::vector<TableEntry> catalogue = [] {
        std::vector<TableEntry> all = registerTables();
        auto append = [&all](std::vector<TableEntry> part) {
            all.insert(all.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
        };
        append(operationTables());
        append(workTables());
        return all;
    }();
    return catalogue;
}

const TableEntry& tableEntry(std::string_view component) {
    for (const TableEntry& entry : tableCatalogue())
        if (entry.component == component) return entry;
    throw std::out_of_range("tabela desconhecida: " + std::string(component));
}

}  // namespace data

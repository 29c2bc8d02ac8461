#include "data/opened_tables.h"

#include <ranges>

namespace data {

OpenedTables::OpenedTables(std::initializer_list<store::Table*> tables) {
    try {
        for (store::Table* table : tables) open(*table);
    } catch (...) {
        for (store::Table* table : std::views::reverse(opened_)) table->close();
        throw;
    }
}

void OpenedTables::open(store::Table& table) {
    if (table.isOpen()) return;
    table.open();
    opened_.push_back(&table);
}

OpenedTables::~OpenedTables() {
    for (store::Table* table : std::views::reverse(opened_)) table->close();
}

}  // namespace data

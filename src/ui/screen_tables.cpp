#include "ui/screen_tables.h"

#include <ranges>

namespace ui {

void ScreenTables::open(store::Table& table) {
    if (table.isOpen()) return;
    table.open();
    opened_.push_back(&table);
}

ScreenTables::~ScreenTables() {
    for (store::Table* table : std::views::reverse(opened_)) table->close();
}

}  // namespace ui

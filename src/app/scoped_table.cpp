#include "app/scoped_table.h"

#include <exception>

#include "data/store/table.h"

namespace app {

ScopedTable::ScopedTable(store::Table& table, const std::string& index) : table_(table) {
    table_.open();
    table_.setIndexName(index);
}

ScopedTable::~ScopedTable() {
    try {
        table_.setFiltered(false);
        table_.setIndexName("");  // also drops the range
        table_.close();
    } catch (const std::exception&) {
        // Closing loses nothing that was posted; an error already on its way matters more.
    }
}

}  // namespace app

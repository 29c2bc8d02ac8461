#include "reports/prepared_table.h"

#include "data/store/table.h"

namespace reports {

PreparedTable::PreparedTable(store::Table& table) : table_(table) {
    table_.open();
}

PreparedTable::~PreparedTable() {
    // The flags are cleared before any read they trigger, so even a failing read leaves
    // the component unfiltered and on its primary index; close() always runs.
    try {
        table_.setFiltered(false);
        table_.setFilter("");
        table_.setIndexName("");
    } catch (const std::exception&) {
        // The table closes below whatever happened; its next opening starts clean.
    }
    table_.close();
}

}  // namespace reports

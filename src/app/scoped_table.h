#pragma once
// A table opened by one action on the index it needs, and put back the way every screen
// expects to find it (primary index, no range, no filter, closed) however the action ends.
#include <string>

namespace store {
class Table;
}

namespace app {

class ScopedTable {
  public:
    ScopedTable(store::Table& table, const std::string& index);
    ~ScopedTable();
    ScopedTable(const ScopedTable&) = delete;
    ScopedTable& operator=(const ScopedTable&) = delete;

    store::Table* operator->() const { return &table_; }

  private:
    store::Table& table_;
};

}  // namespace app

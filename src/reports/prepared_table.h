#pragma once
// A register table opened for a report and put back afterwards as the menus leave it:
// no filter, no range, primary index, closed. The putting back also happens when the
// report fails, so the next screen never inherits a half-prepared table.
namespace store {
class Table;
}

namespace reports {

class PreparedTable {
  public:
    explicit PreparedTable(store::Table& table);
    ~PreparedTable();
    PreparedTable(const PreparedTable&) = delete;
    PreparedTable& operator=(const PreparedTable&) = delete;

    store::Table* operator->() const { return &table_; }

  private:
    store::Table& table_;
};

}  // namespace reports

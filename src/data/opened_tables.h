#pragma once
// Tables opened for as long as an object lives, a money action's or a screen's: each is
// closed again at the end (the last opened first) unless it was open already, so a table
// the data module or another screen keeps open stays open for it.
#include <initializer_list>
#include <vector>

#include "data/store/table.h"

namespace data {

class OpenedTables {
  public:
    OpenedTables() = default;
    // Throws store::Error when one will not open; those opened before it are closed again.
    explicit OpenedTables(std::initializer_list<store::Table*> tables);
    ~OpenedTables();
    OpenedTables(const OpenedTables&) = delete;
    OpenedTables& operator=(const OpenedTables&) = delete;

    // Opens `table` if it is closed. Throws store::Error when it will not open.
    void open(store::Table& table);

  private:
    std::vector<store::Table*> opened_;
};

}  // namespace data

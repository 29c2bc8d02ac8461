#pragma once
// The tables a screen opens for itself. Each is closed again when the screen goes, unless
// it was already open when the screen came: a table another screen or the data module
// keeps open stays open for it.
#include <vector>

#include "data/store/table.h"

namespace ui {

class ScreenTables {
  public:
    ScreenTables() = default;
    ~ScreenTables();
    ScreenTables(const ScreenTables&) = delete;
    ScreenTables& operator=(const ScreenTables&) = delete;

    // Opens `table` if it is closed. Throws store::Error when it will not open.
    void open(store::Table& table);

  private:
    std::vector<store::Table*> opened_;
};

}  // namespace ui

#pragma once
// A control's or model's subscription to a table's events, dropped with its owner. The
// table calls its observers from a copy of the list, so an observer removed while others
// are being told (a screen closed by one of them) must not be called any more: the
// callback checks that its owner is still alive.
#include <functional>
#include <memory>

#include "data/store/table.h"

namespace ui {

class TableSubscription {
  public:
    TableSubscription(store::Table& table, std::function<void(store::TableEvent)> observer);
    ~TableSubscription();
    TableSubscription(const TableSubscription&) = delete;
    TableSubscription& operator=(const TableSubscription&) = delete;

    store::Table& table() const { return table_; }

  private:
    store::Table& table_;
    std::shared_ptr<bool> alive_;
    int id_;
};

}  // namespace ui

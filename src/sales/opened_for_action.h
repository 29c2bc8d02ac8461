#pragma once
// Tables a money action opens for its length only: what a screen had open stays open.
#include <initializer_list>
#include <vector>

#include "data/store/table.h"

namespace sales {

class OpenedForAction {
  public:
    explicit OpenedForAction(std::initializer_list<store::Table*> tables) {
        for (store::Table* table : tables)
            if (!table->isOpen()) {
                table->open();
                opened_.push_back(table);
            }
    }
    ~OpenedForAction() {
        for (store::Table* table : opened_) table->close();
    }
    OpenedForAction(const OpenedForAction&) = delete;
    OpenedForAction& operator=(const OpenedForAction&) = delete;

  private:
    std::vector<store::Table*> opened_;
};

}  // namespace sales

#pragma once
// A drop-down whose entries come from another table: it shows `displayField` of each of
// that table's visible rows and stores the row's `keyField` (an employee chosen by name,
// stored by code). The list follows every change of the other table.
#include "ui/db_combo_box.h"

namespace ui {

class DbLookupCombo : public DbComboBox {
    Q_OBJECT
  public:
    DbLookupCombo(const data::DataSource& source, const std::string& fieldName, store::Table& lookup,
                  const std::string& keyField, const std::string& displayField, QWidget* parent = nullptr);

  private:
    void reload();

    store::Table& lookup_;
    int keyIndex_;
    int displayIndex_;
    TableSubscription lookupSubscription_;
};

}  // namespace ui

#include "ui/db_lookup_combo.h"

#include "ui/field_text.h"

namespace ui {
DbLookupCombo::DbLookupCombo(const data::DataSource& source, const std::string& fieldName,
                             store::Table& lookup, const std::string& keyField,
                             const std::string& displayField, QWidget* parent)
    : DbComboBox(source, fieldName, parent),
      lookup_(lookup),
      keyIndex_(requireFieldIndex(lookup, keyField)),
      displayIndex_(requireFieldIndex(lookup, displayField)),
      lookupSubscription_(lookup, [this](store::TableEvent event) {
          if (event == store::TableEvent::Opened || event == store::TableEvent::Closed ||
              event == store::TableEvent::DataChanged)
              reload();
      }) {
    reload();
}

void DbLookupCombo::reload() {
    clear();
    if (lookup_.isOpen()) {
        const auto& fields = lookup_.definition().fields;
        for (const store::Record& row : lookup_.rowsAt(0, lookup_.recordCount()))
            addItem(valueDisplayText(fields[displayIndex_], row.values[displayIndex_]),
                    valueDisplayText(fields[keyIndex_], row.values[keyIndex_]));
    }
    refresh();
}

}  // namespace ui

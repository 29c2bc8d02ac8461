#include "ui/db_combo_box.h"

#include "ui/field_text.h"

namespace ui {

DbComboBox::DbComboBox(const data::DataSource& source, const std::string& fieldName, QWidget* parent)
    : QComboBox(parent), FieldBinding(source, fieldName) {
    connect(this, &QComboBox::activated, this, &DbComboBox::onActivated);
    refresh();
}

void DbComboBox::setItems(const QStringList& items) {
    clear();
    for (const QString& item : items) addEntry(item, item);
    refresh();
}

void DbComboBox::addEntry(const QString& text, const QString& value) {
    addItem(text, value);
    refresh();
}

void DbComboBox::onActivated() {
    if (!userChanged()) return refresh();
    writeGuarded();
}

void DbComboBox::showValue() {
    setCurrentIndex(findData(valueDisplayText(fieldDef(), currentValue())));
}

void DbComboBox::storeValue(store::Field field) {
    const QVariant value = currentData();
    if (value.isValid()) {
        field.setString(value.toString().toStdString());
    } else {
        field.clear();
    }
}

void DbComboBox::showEditable(bool editable) {
    setEnabled(editable);
}

}  // namespace ui

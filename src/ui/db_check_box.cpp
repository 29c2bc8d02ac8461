#include "ui/db_check_box.h"

#include "ui/field_text.h"

namespace ui {

DbCheckBox::DbCheckBox(const data::DataSource& source, const std::string& fieldName, QString valueChecked,
                       QString valueUnchecked, QWidget* parent)
    : QCheckBox(parent),
      FieldBinding(source, fieldName),
      valueChecked_(std::move(valueChecked)),
      valueUnchecked_(std::move(valueUnchecked)) {
    connect(this, &QCheckBox::clicked, this, &DbCheckBox::onClicked);
    refresh();
}

void DbCheckBox::onClicked() {
    if (!userChanged()) return refresh();
    writeGuarded();
}

void DbCheckBox::showValue() {
    setChecked(valueDisplayText(fieldDef(), currentValue()) == valueChecked_);
}

void DbCheckBox::storeValue(store::Field field) {
    field.setString((isChecked() ? valueChecked_ : valueUnchecked_).toStdString());
}

void DbCheckBox::showEditable(bool) {
    // A click on a record that may not change is undone by onClicked; only a closed
    // table greys the box out.
    setEnabled(table().isOpen());
}

}  // namespace ui

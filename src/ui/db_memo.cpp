#include "ui/db_memo.h"

#include <QFocusEvent>

#include "ui/field_text.h"

namespace ui {

DbMemo::DbMemo(const data::DataSource& source, const std::string& fieldName, QWidget* parent)
    : QPlainTextEdit(parent), FieldBinding(source, fieldName) {
    connect(this, &QPlainTextEdit::textChanged, this, &DbMemo::onTextChanged);
    refresh();
}

void DbMemo::onTextChanged() {
    if (!showing_ && !userChanged()) refresh();
}

void DbMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (leftByUser(event->reason())) writeGuarded();
}

void DbMemo::showValue() {
    showing_ = true;
    setPlainText(valueDisplayText(fieldDef(), currentValue()));
    showing_ = false;
}

void DbMemo::storeValue(store::Field field) {
    field.setString(toPlainText().toStdString());
}

void DbMemo::showEditable(bool editable) {
    setReadOnly(!editable);
}

}  // namespace ui

#include "ui/db_edit.h"

#include <QFocusEvent>
#include <QMetaObject>

#include <algorithm>

#include "data/store/error.h"
#include "ui/dialogs.h"
#include "ui/field_text.h"
#include "ui/field_width.h"
#include "ui/upper_case_input.h"

namespace ui {

DbEdit::DbEdit(const data::DataSource& source, const std::string& fieldName, QWidget* parent)
    : QLineEdit(parent), FieldBinding(source, fieldName) {
    const store::FieldDef& def = fieldDef();
    if (def.type == store::FieldType::Text && def.size > 0) setMaxLength(def.size);
    if (def.centred) setAlignment(Qt::AlignCenter);
    fitToContent();
    connect(this, &QLineEdit::textEdited, this, &DbEdit::onTextEdited);
    // Enter in the field writes it, as leaving it does.
    connect(this, &QLineEdit::returnPressed, this, &DbEdit::writeTyped);
    refresh();
}

void DbEdit::fitToContent() {
    setSizePolicy(hasShortContent(*this) ? QSizePolicy::Preferred : QSizePolicy::Expanding,
                  sizePolicy().verticalPolicy());
    updateGeometry();
}

QSize DbEdit::sizeHint() const {
    QSize size = QLineEdit::sizeHint();
    if (const int width = contentWidth(*this)) size.setWidth(width);
    return size;
}

QSize DbEdit::minimumSizeHint() const {
    QSize size = QLineEdit::minimumSizeHint();
    size.setWidth(std::max(size.width(), contentWidth(*this)));
    return size;
}

void DbEdit::onTextEdited() {
    if (!userChanged()) {
        refresh();
        return;
    }
    if (upperCase_) raiseToUpperCase(this);
}

void DbEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (leftByUser(event->reason())) writeTyped();
}

void DbEdit::writeTyped() {
    const store::FieldType type = fieldDef().type;
    const bool number = type == store::FieldType::Currency || type == store::FieldType::Float ||
                        type == store::FieldType::Integer;
    if (!number) return writeGuarded();
    try {
        writeToRecord();
    } catch (const store::Error&) {
        // Left pending, the text would fail every later post of the record with the store's
        // own error, far from where it was typed.
        const QString typed = text().trimmed();
        refresh();
        QMetaObject::invokeMethod(
            this, [this] { setFocus(); }, Qt::QueuedConnection);
        Dialogs::current().message(QLatin1Char('\'') + typed + QStringLiteral("' não é um valor válido."));
    }
}

void DbEdit::showValue() {
    setText(valueDisplayText(fieldDef(), currentValue()));
    setCursorPosition(0);
}

void DbEdit::storeValue(store::Field field) {
    field.setString(text().toStdString());
}

void DbEdit::showEditable(bool editable) {
    setReadOnly(!editable);
}

}  // namespace ui

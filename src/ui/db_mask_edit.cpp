#include "ui/db_mask_edit.h"

#include "core/date.h"

namespace ui {
namespace {

// "99/99/00" shows eight characters: a two-digit year.
constexpr int kShortDateLength = 8;
// "90:00" shows hours and minutes only.
constexpr int kShortTimeLength = 5;

}  // namespace

DbMaskEdit::DbMaskEdit(const data::DataSource& source, const std::string& fieldName, QWidget* parent)
    : DbMaskEdit(source, fieldName, {}, parent) {}

DbMaskEdit::DbMaskEdit(const data::DataSource& source, const std::string& fieldName,
                       std::string_view editMask, QWidget* parent)
    : DbEdit(source, fieldName, parent),
      mask_(EditMask::parse(editMask.empty() ? std::string_view(fieldDef().editMask) : editMask)) {
    if (mask_) {
        setMaxLength(32767);  // the mask sets the length; a field size would cut the literals
        setInputMask(mask_->inputMask());
        fitToContent();
    }
    refresh();
}

void DbMaskEdit::showValue() {
    const store::Value value = currentValue();
    if (!mask_ || store::isNull(value)) return DbEdit::showValue();
    const store::Field f = field();
    switch (f.type()) {
        case store::FieldType::Date: {
            const core::Date date = f.asDate();
            setText(QString::fromStdString(mask_->length() <= kShortDateLength
                                               ? core::shortDateTwoDigitYear(date)
                                               : core::shortDate(date)));
            break;
        }
        case store::FieldType::Time: {
            const core::Time time = f.asTime();
            setText(QString::fromStdString(mask_->length() <= kShortTimeLength ? time.toShortText()
                                                                               : time.toIso()));
            break;
        }
        default:
            DbEdit::showValue();
            return;
    }
    setCursorPosition(0);
}

void DbMaskEdit::storeValue(store::Field field) {
    if (!mask_) return DbEdit::storeValue(field);
    const QString shown = displayText();
    if (mask_->isBlank(shown)) return field.clear();
    QString value = mask_->valueOf(shown);
    if (field.type() != store::FieldType::Text) value = value.trimmed();
    field.setString(value.toStdString());
}

}  // namespace ui

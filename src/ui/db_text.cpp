#include "ui/db_text.h"

#include "ui/field_text.h"

namespace ui {

DbText::DbText(const data::DataSource& source, const std::string& fieldName, QWidget* parent)
    : QLabel(parent), FieldBinding(source, fieldName) {
    const store::FieldDef& def = fieldDef();
    if (def.centred) {
        setAlignment(Qt::AlignCenter);
    } else if (def.type == store::FieldType::Currency || def.type == store::FieldType::Float) {
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    refresh();
}

void DbText::showValue() {
    setText(valueDisplayText(fieldDef(), currentValue()));
}

}  // namespace ui

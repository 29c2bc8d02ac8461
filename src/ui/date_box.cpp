#include "ui/date_box.h"

#include "ui/edit_mask.h"
#include "ui/field_width.h"

namespace ui {

namespace {

const EditMask& dateMask() {
    static const EditMask mask = *EditMask::parse("!99/99/00;1;_");
    return mask;
}

}  // namespace

DateBox::DateBox(QWidget* parent) : QLineEdit(parent) {
    setInputMask(dateMask().inputMask());
    setMinimumWidth(contentWidth(*this));
}

QString DateBox::value() const {
    return dateMask().valueOf(displayText());
}

core::Date DateBox::date() const {
    return core::parseDate(value().toStdString());
}

void DateBox::setDate(const core::Date& date) {
    setText(date.isNull() ? QString() : QString::fromStdString(core::shortDateTwoDigitYear(date)));
}

bool DateBox::isEmpty() const {
    return dateMask().isBlank(displayText());
}

}  // namespace ui

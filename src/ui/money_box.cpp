#include "ui/money_box.h"

#include <QRegularExpressionValidator>

#include "core/format.h"
#include "data/refusal.h"
#include "ui/field_width.h"

namespace ui {

MoneyBox::MoneyBox(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9.,]*")), this));
    // The widest amount the drawer is meant to hold, below a hundred million reais.
    setMinimumWidth(widthToShow(*this, QStringLiteral("-99.999.999,99")));
    setAmount({});
}

void MoneyBox::setAmount(core::Currency amount) {
    setText(QString::fromStdString(core::formatMoney(amount)));
}

core::Currency MoneyBox::amount() const {
    const std::string typed = text().trimmed().toStdString();
    if (typed.empty()) return {};
    if (const auto amount = core::Currency::parse(typed)) return *amount;
    throw data::Refusal("'" + typed + "' não é um valor válido.");
}

}  // namespace ui

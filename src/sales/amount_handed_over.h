#pragma once
// The panel both payment screens show when the amount handed over is needed: "VALOR PAGO R$"
// with the change (or surplus) beside its caption, hidden until asked for.
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace sales {

struct AmountHandedOver {
    QGroupBox* panel;
    QLineEdit* amount;  // DBEdit9
    QLabel* caption;    // "TROCO R$" or "CRÉDITO R$"
    QLabel* change;     // Label25
};

AmountHandedOver addAmountHandedOver(QWidget* screen);

// Shows the panel with both figures at 0,00 and puts the focus in the amount.
void showAmountHandedOver(const AmountHandedOver& panel, const QString& caption);

}  // namespace sales

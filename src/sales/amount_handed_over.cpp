#include "sales/amount_handed_over.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/form_layout.h"

namespace sales {

namespace {

const QString kZero = QStringLiteral("0,00");

}  // namespace

AmountHandedOver addAmountHandedOver(QWidget* screen) {
    AmountHandedOver panel{new QGroupBox(screen), nullptr, nullptr, nullptr};
    panel.panel->setObjectName(QStringLiteral("PnValorPago"));
    panel.amount = new QLineEdit(panel.panel);
    panel.amount->setObjectName(QStringLiteral("DBEdit9"));
    panel.caption = new QLabel(QStringLiteral("TROCO R$"), panel.panel);
    panel.caption->setObjectName(QStringLiteral("Label24"));
    panel.change = new QLabel(kZero, panel.panel);
    panel.change->setObjectName(QStringLiteral("Label25"));
    QFormLayout* rows = ui::labelledRows(panel.panel);
    ui::addLabelledRow(*rows, QStringLiteral("VALOR PAGO R$"), panel.amount);
    rows->addRow(panel.caption, panel.change);
    panel.panel->hide();
    return panel;
}

void showAmountHandedOver(const AmountHandedOver& panel, const QString& caption) {
    panel.caption->setText(caption);
    panel.amount->setText(kZero);
    panel.change->setText(kZero);
    panel.panel->show();
    panel.amount->setFocus();
    panel.amount->selectAll();
}

}  // namespace sales

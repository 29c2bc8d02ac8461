#include "sales/receipt_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/dm.h"
#include "reports/sale_receipt.h"
#include "sales/receipt_printing.h"
#include "sales/sale_client_name.h"
#include "ui/dialogs.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/upper_case_input.h"

namespace sales {

ReceiptPanel::ReceiptPanel(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QGroupBox(QStringLiteral("RECIBO"), parent), dm_(dm), output_(std::move(output)) {
    setObjectName(QStringLiteral("PnRecibo"));
    cliente_ = new QLineEdit(this);
    cliente_->setObjectName(QStringLiteral("EdClienteRecibo"));
    cliente_->setMaxLength(static_cast<int>(dm.TbServico.definition().findField("Cliente")->size));
    ui::typeInUpperCase(cliente_);
    auto* row = new QHBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Cliente:"), this);
    caption->setBuddy(cliente_);
    row->addWidget(caption);
    row->addWidget(cliente_, 1);
    QPushButton* imprimir =
        ui::addButton(*row, QStringLiteral("IMPRIMIR"), QStringLiteral("BtImprimirRecibo"));
    QPushButton* cancelar =
        ui::addButton(*row, QStringLiteral("CANCELAR"), QStringLiteral("BtCancelarRecibo"));
    connect(imprimir, &QPushButton::clicked, this, &ReceiptPanel::imprimir);
    connect(cancelar, &QPushButton::clicked, this, &ReceiptPanel::cancelar);
    hide();
}

void ReceiptPanel::open(std::int64_t saleNumber) {
    sale_ = saleNumber;
    QString name;
    ui::runGuarded([&] {
        store::Table& sale = dm_.TbServico;
        sale.setIndexName("");
        if (sale.findKey({saleNumber})) name = QString::fromStdString(sale.field("Cliente").asString());
    });
    cliente_->setText(name.trimmed());
    show();
    cliente_->setFocus();
    cliente_->selectAll();
}

bool ReceiptPanel::storeName() {
    return ui::runGuarded(
        [this] { storeSaleClientName(dm_, sale_, cliente_->text().trimmed().toStdString()); });
}

void ReceiptPanel::imprimir() {
    if (!ui::Confirma(QStringLiteral("Imprimir Recibo?"))) return;
    if (!storeName()) return;
    // The sale stands on its record again, its items behind it.
    if (receiptPrinterSet(dm_))
        printSaleOnReceiptPrinter(dm_, std::nullopt, false);
    else
        ui::runGuarded([this] { output_(reports::saleReceiptReport(dm_)); });
    hide();
    emit closed();
}

// The panel goes even when the name could not be stored (a sale deleted elsewhere would
// otherwise keep it open for good).
void ReceiptPanel::cancelar() {
    storeName();
    hide();
    emit closed();
}

}  // namespace sales

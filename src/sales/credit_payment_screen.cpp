#include "sales/credit_payment_screen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/format.h"
#include "sales/account_payments.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace sales {

TFmPagamentoCD::TFmPagamentoCD(data::Tdm& dm, std::int64_t clientCode, core::Currency credit, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      dm_(dm),
      clientCode_(clientCode),
      credit_(credit),
      code_(new QLineEdit(this)),
      form_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FmPagamentoCD"));
    setWindowTitle(QStringLiteral("PAGAMENTO"));
    code_->setObjectName(QStringLiteral("EdCodigo"));
    code_->setMaxLength(1);
    form_->setObjectName(QStringLiteral("EdForma"));
    form_->setReadOnly(true);
    form_->installEventFilter(this);
    auto* amount =
        new QLabel(QString::fromStdString(core::formatMask(credit, core::kCaptionMoneyMask)), this);
    amount->setObjectName(QStringLiteral("LbCredito"));

    auto* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Código:"), code_);
    ui::addLabelledRow(*rows, QStringLiteral("Forma de Pagamento:"), form_);
    ui::addLabelledRow(*rows, QStringLiteral(" VALOR DO CRÉDITO R$"), amount);
    auto* legend = new QLabel(QStringLiteral("1 - Dinheiro   2 - Cheque   3 - Cartão Crédito"), this);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    registrar_ = ui::addButton(*bar, QStringLiteral("REGISTRAR"), QStringLiteral("BtRegistrar"));
    auto* cancelar = ui::addButton(*bar, QStringLiteral("CANCELAR"), QStringLiteral("BtCancelar"));
    connect(registrar_, &QPushButton::clicked, this, &TFmPagamentoCD::registrar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(legend);
    layout->addLayout(bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ui::installEnterAsTab(this);
    code_->setFocus();
}

bool TFmPagamentoCD::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::FocusIn) resolveCode();
    return QDialog::eventFilter(watched, event);
}

// Entering the form box turns the typed code into its word.
void TFmPagamentoCD::resolveCode() {
    const std::optional<std::string> word = creditPurchaseWord(code_->text().toInt());
    if (!word) {
        form_->clear();
        ui::Dialogs::current().message(QStringLiteral("Código de Forma de Pagamento Inválido!"));
        code_->setFocus();
        return;
    }
    form_->setText(QString::fromStdString(*word));
    registrar_->setFocus();
}

void TFmPagamentoCD::registrar() {
    if (code_->text().trimmed().isEmpty()) {
        ui::Dialogs::current().message(QStringLiteral("Indique a Forma de Pagamento!"));
        code_->setFocus();
        return;
    }
    if (form_->text().isEmpty()) {
        ui::Dialogs::current().message(QStringLiteral("Selecione o Tipo de Pagamento!"));
        code_->setFocus();
        return;
    }
    // The code was changed after its word was shown: resolve it again before paying.
    const int code = code_->text().toInt();
    if (creditPurchaseWord(code) != form_->text().toStdString()) return form_->setFocus();
    if (!ui::Dialogs::current().confirma(QStringLiteral("Registrar o Crédito?"))) return;
    if (!ui::runGuarded([&] { registerCreditPurchase(dm_, clientCode_, code, credit_); })) return;
    registered_ = true;
    ui::Dialogs::current().message(QStringLiteral("O Crédito Foi Registrado Para o Cliente!"));
    accept();
}

}  // namespace sales

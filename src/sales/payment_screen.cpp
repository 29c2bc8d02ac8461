#include "sales/payment_screen.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/format.h"
#include "data/least_amount.h"
#include "registers/client_search.h"
#include "sales/receipt_printing.h"
#include "sales/sale_items.h"
#include "sales/sale_payment.h"
#include "ui/db_edit.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace sales {

namespace {

const QString kValorPago = QStringLiteral("Digite o Valor Pago R$!");
constexpr int kDinheiro = 1;
constexpr int kNotinha = 4;
constexpr int kCredito = 5;
const QString kTroco = QStringLiteral("TROCO R$");
const QString kCreditoCaption = QStringLiteral("CRÉDITO R$");

QString shown(core::Currency amount) {
    return QString::fromStdString(core::formatMask(amount, core::kCaptionMoneyMask));
}

}  // namespace

TFmPagamento::TFmPagamento(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmPagamento"));
    setWindowTitle(QStringLiteral("PAGAMENTO"));
    // No close button: the payment ends through "REGISTRAR" or "CANCELAR".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* codes = new QLabel(QStringLiteral("1 - Dinheiro\n2 - Cheque\n3 - Cartão Crédito\n4 - Notinha\n"
                                            "5 - Utilizar Crédito\n6 - Cartão Débito"),
                             this);
    codes->setObjectName(QStringLiteral("LbCodigos"));
    codigo_ = new ui::DbEdit(dm.DsServico, "CodTipo", this);
    codigo_->setObjectName(QStringLiteral("DBEdit7"));
    forma_ = new ui::DbEdit(dm.DsServico, "TipoPG", this);
    forma_->setObjectName(QStringLiteral("DBEdit8"));
    forma_->setFieldReadOnly(true);
    QFormLayout* form = ui::labelledRows();
    ui::addLabelledRow(*form, QStringLiteral("Código:"), codigo_);
    ui::addLabelledRow(*form, QStringLiteral("Forma de Pagamento:"), forma_);
    // Whose NOTINHA, credit or overpayment this is, so a wrong client is seen before paying.
    auto* client = new ui::DbEdit(dm.DsServico, "Cliente", this);
    client->setObjectName(QStringLiteral("DBEditCliente"));
    client->setFieldReadOnly(true);
    client->setFocusPolicy(Qt::NoFocus);
    ui::addLabelledRow(*form, QStringLiteral("Cliente:"), client);

    handedOverPanel_ = addAmountHandedOver(this);

    QFormLayout* totals = ui::labelledRows();
    const struct {
        const char* field;
        const char* name;
        QString caption;
    } totalBoxes[] = {{"SubTotal", "DBEdit1", QStringLiteral("SUB-TOTAL R$")},
                      {"Saldo", "DBEdit2", QStringLiteral("CRÉDITO R$")},
                      {"Total", "DBEdit3", QStringLiteral("TOTAL R$")}};
    for (const auto& box : totalBoxes) {
        auto* edit = new ui::DbEdit(dm.DsServico, box.field, this);
        edit->setObjectName(QString::fromLatin1(box.name));
        edit->setFieldReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        ui::addLabelledRow(*totals, box.caption, edit);
    }

    aMais_ = new QCheckBox(QStringLiteral("Pagamento a Mais..."), this);
    aMais_->setObjectName(QStringLiteral("CheckBox1"));
    auto* bar = new QHBoxLayout;
    registrar_ = ui::addButton(*bar, QStringLiteral("REGISTRAR"), QStringLiteral("BitBtn11"));
    cancelar_ = ui::addButton(*bar, QStringLiteral("CANCELAR"), QStringLiteral("BitBtn6"));

    auto* top = new QHBoxLayout;
    top->addWidget(codes);
    top->addLayout(form, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(handedOverPanel_.panel);
    layout->addLayout(totals);
    layout->addWidget(aMais_);
    layout->addLayout(bar);

    setTabOrder(codigo_, forma_);
    setTabOrder(forma_, handedOverPanel_.amount);
    setTabOrder(handedOverPanel_.amount, registrar_);
    setTabOrder(registrar_, cancelar_);
    forma_->installEventFilter(this);
    handedOverPanel_.amount->installEventFilter(this);
    connect(aMais_, &QCheckBox::clicked, codigo_, [this] { codigo_->setFocus(); });
    connect(aMais_, &QCheckBox::toggled, this,
            [this] { handedOverPanel_.caption->setText(surplusCaption()); });
    connect(registrar_, &QPushButton::clicked, this, &TFmPagamento::registrar);
    connect(cancelar_, &QPushButton::clicked, this, &TFmPagamento::reject);
    ui::installEnterAsTab(this);
    codigo_->setFocus();
}

bool TFmPagamento::eventFilter(QObject* watched, QEvent* event) {
    const auto byUser = [event] { return ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()); };
    if (watched == forma_ && ui::arrivedByMove(event)) resolveCode();
    if (watched == handedOverPanel_.amount && event->type() == QEvent::FocusOut && byUser() &&
        amountPanelShown() && checkAmountHandedOver())
        registrar_->setFocus();
    return QDialog::eventFilter(watched, event);
}

void TFmPagamento::refuse(QWidget* box, const QString& message) {
    box->setFocus();
    ui::Dialogs::current().message(message);
}

bool TFmPagamento::amountPanelShown() const {
    return !handedOverPanel_.panel->isHidden();
}

void TFmPagamento::resolveCode() {
    store::Table& sale = dm_.TbServico;
    int code = 0;
    if (!ui::runGuarded([&] {
            ui::writeControls(sale);
            code = static_cast<int>(sale.field("CodTipo").asInteger());
        }))
        return;
    const std::optional<std::string> word = salePaymentWord(code);
    if (!word) return refuse(codigo_, QStringLiteral("Código de Forma de Pagamento Inválido!"));
    handedOverPanel_.panel->hide();
    allowOverpayment(code != kNotinha && code != kCredito);
    if (code == kCredito) return useCredit();
    if (code == kNotinha && !chooseClient()) return;
    if (!ui::runGuarded([&] { sale.field("TipoPG").setString(*word); })) return;
    if (code == kDinheiro || (code != kNotinha && aMais_->isChecked()))
        return askAmountHandedOver(surplusCaption());
    registrar_->setFocus();
}

void TFmPagamento::allowOverpayment(bool allowed) {
    // Only a form that asks for the amount handed over can take more than is due.
    if (!allowed) aMais_->setChecked(false);
    aMais_->setEnabled(allowed);
}

// With the box ticked the surplus is credited to the client, never handed back as change:
// calling it "TROCO" would have the cashier pay it twice.
QString TFmPagamento::surplusCaption() const {
    return aMais_->isChecked() ? kCreditoCaption : kTroco;
}

void TFmPagamento::askAmountHandedOver(const QString& secondCaption) {
    handedOver_ = {};
    showAmountHandedOver(handedOverPanel_, secondCaption);
}

bool TFmPagamento::checkAmountHandedOver() {
    const core::Currency handed =
        core::Currency::parse(handedOverPanel_.amount->text().toStdString()).value_or(core::Currency{});
    const core::Currency due = dm_.TbServico.field("Total").asCurrency();
    // Less than is due would be a negative change: the money handed over must cover the sale.
    if (handed < data::kLeastAmount || handed < due) {
        refuse(handedOverPanel_.amount, kValorPago);
        return false;
    }
    handedOver_ = handed;
    handedOverPanel_.change->setText(shown(handed - due));
    return true;
}

bool TFmPagamento::chooseClient() {
    if (creditUsed_ > core::Currency{} && clientCode_ > 0) return true;
    store::Table& clients = dm_.TbCliente;
    if (!registers::chooseClient(dm_, this)) {
        refuse(codigo_, QStringLiteral("Selecione o Cliente!"));
        return false;
    }
    return ui::runGuarded([&] {
        clientCode_ = clients.field("Codigo").asInteger();
        dm_.TbServico.field("CodCliente").setInteger(clientCode_);
        dm_.TbServico.field("Cliente").setString(clients.field("Nome").asString());
    });
}

void TFmPagamento::useCredit() {
    creditUsed_ = {};
    clientCode_ = 0;
    if (!chooseClient()) return;
    store::Table& sale = dm_.TbServico;
    bool whole = false;
    if (!ui::runGuarded([&] {
            const core::Currency subTotal = sale.field("SubTotal").asCurrency();
            const core::Currency balance = dm_.TbCliente.field("Saldo").asCurrency();
            whole = subTotal <= balance;
            creditUsed_ = whole ? subTotal : std::max(balance, core::Currency{});
            sale.field("Saldo").setCurrency(creditUsed_);
            sale.field("Total").setCurrency(subTotal - creditUsed_);
            if (whole) {
                sale.field("TipoPG").setString(*salePaymentWord(kCredito));
            } else {
                // The rest is paid another way: a second code.
                sale.field("CodTipo").clear();
                sale.field("TipoPG").clear();
            }
        }))
        return;
    if (whole) return registrar_->setFocus();
    allowOverpayment(true);
    codigo_->setFocus();
}

void TFmPagamento::reject() {
    ui::runGuarded([this] {
        store::Table& sale = dm_.TbServico;
        sale.field("Saldo").setCurrency({});
        sale.field("Total").setCurrency(sale.field("SubTotal").asCurrency());
    });
    QDialog::reject();
}

// An overpayment names the client the surplus goes to, so a wrong choice is seen in time.
QString TFmPagamento::confirmation(bool overpayment) const {
    const QString question = QStringLiteral("Registrar o Pagamento?");
    if (!overpayment) return question;
    const core::Currency surplus = handedOver_ - dm_.TbServico.field("Total").asCurrency();
    return QStringLiteral("%1\n%2 %3 para %4")
        .arg(question, kCreditoCaption, shown(surplus),
             QString::fromStdString(dm_.TbServico.field("Cliente").asString()));
}

void TFmPagamento::registrar() {
    store::Table& sale = dm_.TbServico;
    int code = 0;
    std::string word;
    if (!ui::runGuarded([&] {
            ui::writeControls(sale);
            code = static_cast<int>(sale.field("CodTipo").asInteger());
            word = sale.field("TipoPG").asString();
        }))
        return;
    if (code < 1) return refuse(codigo_, QStringLiteral("Indique a Forma de Pagamento!"));
    if (word.empty()) return refuse(codigo_, QStringLiteral("Selecione o Tipo de Pagamento!"));
    // The code was changed after its word was shown: resolve it again before paying.
    if (salePaymentWord(code) != word) return forma_->setFocus();
    if (amountPanelShown() && !checkAmountHandedOver()) return;
    const bool overpayment = aMais_->isChecked();
    if (overpayment && !chooseClient()) return;
    if (!ui::Confirma(confirmation(overpayment))) return;
    const SalePayment payment{.code = code,
                              .clientCode = clientCode_,
                              .creditUsed = creditUsed_,
                              .overpayment = overpayment,
                              .handedOver = amountPanelShown() ? handedOver_ : core::Currency{}};
    if (!ui::runGuarded([&] { registerSalePayment(dm_, payment); })) return;
    // The sale is stored: a receipt printer that fails costs only the receipt. Change is
    // what cash handed over exceeds the sale by, unless it was kept as credit.
    if (receiptPrinterSet(dm_))
        printSaleOnReceiptPrinter(
            dm_, amountPanelShown() && !overpayment ? std::optional(handedOver_) : std::nullopt, true);
    accept();
}

}  // namespace sales

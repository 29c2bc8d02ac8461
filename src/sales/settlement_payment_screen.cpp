#include "sales/settlement_payment_screen.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/format.h"
#include "data/least_amount.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace sales {

namespace {

using core::Currency;

QString shown(Currency amount) {
    return QString::fromStdString(core::formatMask(amount, core::kCaptionMoneyMask));
}

QLineEdit* readOnlyBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

TFmPagamentoBA::TFmPagamentoBA(data::Tdm& dm, const Settlement& listed, Currency owed, QWidget* parent)
    : QDialog(parent), dm_(dm), settlement_(listed) {
    setObjectName(QStringLiteral("TFmPagamentoBA"));
    setWindowTitle(QStringLiteral("PAGAMENTO"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const Currency balance = owed - listed.creditSeen;

    auto* codes =
        new QLabel(QStringLiteral("1 - Dinheiro\n2 - Cheque\n3 - Cartão Crédito\n4 - Cartão Débito"), this);
    codigo_ = new QLineEdit(this);
    codigo_->setObjectName(QStringLiteral("DBEdit7"));
    codigo_->setMaxLength(1);
    forma_ = readOnlyBox(QStringLiteral("DBEdit8"), QString(), this);
    forma_->setFocusPolicy(Qt::StrongFocus);  // entering it resolves the code
    QFormLayout* form = ui::labelledRows();
    ui::addLabelledRow(*form, QStringLiteral("Código:"), codigo_);
    ui::addLabelledRow(*form, QStringLiteral("Forma de Pagamento:"), forma_);

    handedOverPanel_ = addAmountHandedOver(this);

    QFormLayout* totals = ui::labelledRows();
    ui::addLabelledRow(*totals, QStringLiteral("CRÉDITO R$"),
                       readOnlyBox(QStringLiteral("DBEdit2"), shown(listed.creditSeen), this));
    ui::addLabelledRow(*totals, QStringLiteral("TOTAL R$"),
                       readOnlyBox(QStringLiteral("DBEdit3"), shown(balance), this));
    auto* notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("LbAviso"));
    auto* aMais = new QRadioButton(QStringLiteral("Pagamento a Mais..."), this);
    aMais->setObjectName(QStringLiteral("RadioButton1"));
    aMais->setEnabled(false);  // it tells; the amount paid was typed on the settlement screen
    if (balance < listed.paid) {
        notice->setText(QStringLiteral("PAGAMENTO MAIOR R$ ") + shown(listed.paid));
        aMais->setChecked(true);
    } else if (balance > listed.paid) {
        notice->setText(QStringLiteral("PAGAMENTO MENOR R$ ") + shown(listed.paid));
    }
    notice->setVisible(!notice->text().isEmpty());

    auto* bar = new QHBoxLayout;
    registrar_ = ui::addButton(*bar, QStringLiteral("REGISTRAR"), QStringLiteral("BitBtn11"));
    auto* cancelar = ui::addButton(*bar, QStringLiteral("CANCELAR"), QStringLiteral("BitBtn6"));
    auto* top = new QHBoxLayout;
    top->addWidget(codes);
    top->addLayout(form, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(handedOverPanel_.panel);
    layout->addLayout(totals);
    layout->addWidget(notice);
    layout->addWidget(aMais);
    layout->addLayout(bar);

    setTabOrder(codigo_, forma_);
    setTabOrder(forma_, handedOverPanel_.amount);
    setTabOrder(handedOverPanel_.amount, registrar_);
    setTabOrder(registrar_, cancelar);
    forma_->installEventFilter(this);
    handedOverPanel_.amount->installEventFilter(this);
    connect(registrar_, &QPushButton::clicked, this, &TFmPagamentoBA::registrar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    ui::installEnterAsTab(this);
    codigo_->setFocus();
}

bool TFmPagamentoBA::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    if ((focusIn || event->type() == QEvent::FocusOut) &&
        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason())) {
        if (watched == forma_ && ui::arrivedByMove(event)) resolveCode();
        if (watched == handedOverPanel_.amount && !focusIn && !handedOverPanel_.panel->isHidden() &&
            checkAmountHandedOver())
            registrar_->setFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void TFmPagamentoBA::refuse(QWidget* box, const QString& message) {
    box->setFocus();
    ui::Dialogs::current().message(message);
}

void TFmPagamentoBA::resolveCode() {
    const int code = codigo_->text().toInt();
    const std::optional<std::string> word = settlementWord(code);
    handedOverPanel_.panel->hide();
    forma_->clear();
    if (!word) return refuse(codigo_, QStringLiteral("Código de Forma de Pagamento Inválido!"));
    settlement_.code = code;
    forma_->setText(QString::fromStdString(*word));
    if (code != 1) return registrar_->setFocus();
    showAmountHandedOver(handedOverPanel_, QStringLiteral("TROCO R$"));
}

bool TFmPagamentoBA::checkAmountHandedOver() {
    const Currency handed =
        Currency::parse(handedOverPanel_.amount->text().toStdString()).value_or(Currency{});
    // Less than is paid would be a negative change: the cash handed over must cover it.
    if (handed < data::kLeastAmount || handed < settlement_.paid) {
        refuse(handedOverPanel_.amount, QStringLiteral("Digite o Valor Pago R$!"));
        return false;
    }
    handedOverPanel_.change->setText(shown(handed - settlement_.paid));
    return true;
}

void TFmPagamentoBA::registrar() {
    if (codigo_->text().toInt() < 1) return refuse(codigo_, QStringLiteral("Indique a Forma de Pagamento!"));
    if (forma_->text().isEmpty()) return refuse(codigo_, QStringLiteral("Selecione o Tipo de Pagamento!"));
    // The code was changed after its word was shown: resolve it again before paying.
    if (codigo_->text().toInt() != settlement_.code) return forma_->setFocus();
    if (!handedOverPanel_.panel->isHidden() && !checkAmountHandedOver()) return;
    if (!ui::Confirma(QStringLiteral("Registrar o Pagamento?"))) return;
    if (ui::runGuarded([&] { result_ = settleNotes(dm_, settlement_); })) accept();
}

}  // namespace sales

#include "payables/bill_screen.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/access.h"
#include "data/access_areas.h"
#include "data/dm.h"
#include "payables/installments.h"
#include "payables/open_bills_screen.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/money_box.h"

namespace payables {

TFmPagar::TFmPagar(data::Tdm& dm, QWidget* parent)
    : BillForm(
          dm, QStringLiteral("TFmPagar"), QStringLiteral("CONTAS A PAGAR"),
          {QStringLiteral("NOTA FISCAL"), QStringLiteral("CUPOM FISCAL"), QStringLiteral("BOLETO BANCÁRIO"),
           QStringLiteral("CARTÃO DE CRÉDITO"), QStringLiteral("REDESHOP")},
          true, parent),
      parcelas_(new QGroupBox(QStringLiteral("PARCELAMENTO"), this)),
      total_(new ui::MoneyBox(parcelas_)),
      numeroParcelas_(new QLineEdit(parcelas_)),
      valorParcela_(new ui::MoneyBox(parcelas_)),
      primeiroVencimento_(new ui::DateBox(parcelas_)),
      gerando_(new QLabel(QStringLiteral("Gerando Parcelas! Aguarde..."), this)) {
    auto* bar = new QHBoxLayout;
    novo_ = ui::addButton(*bar, QStringLiteral("&Novo"), QStringLiteral("BitBtn1"));
    gravar_ = ui::addButton(*bar, QStringLiteral("&Gravar"), QStringLiteral("BitBtn2"));
    excluir_ = ui::addButton(*bar, QStringLiteral("&Excluir"), QStringLiteral("BitBtn3"));
    auto* consultar = ui::addButton(*bar, QStringLiteral("&Consultar"), QStringLiteral("BitBtn4"));
    alterar_ = ui::addButton(*bar, QStringLiteral("&Alterar"), QStringLiteral("BitBtn5"));
    auto* fechar = ui::addButton(*bar, QStringLiteral("Fechar"), QStringLiteral("BitBtn6"));
    parcelar_ = ui::addButton(*bar, QStringLiteral("Parcelar"), QStringLiteral("BitBtn7"));
    layout_->addLayout(bar);

    parcelas_->setObjectName(QStringLiteral("Panel1"));
    total_->setObjectName(QStringLiteral("DBEdit14"));
    numeroParcelas_->setObjectName(QStringLiteral("DBEdit15"));
    numeroParcelas_->setMaxLength(3);
    valorParcela_->setObjectName(QStringLiteral("DBEdit16"));
    primeiroVencimento_->setObjectName(QStringLiteral("MaskEdit1"));
    QFormLayout* rows = ui::labelledRows(parcelas_);
    ui::addLabelledRow(*rows, QStringLiteral("Total R$"), total_, QStringLiteral("Nº de Parcelas"),
                       numeroParcelas_);
    ui::addLabelledRow(*rows, QStringLiteral("VL. Parcela R$"), valorParcela_,
                       QStringLiteral("1º Vencimento"), primeiroVencimento_);
    auto* panelBar = new QHBoxLayout;
    auto* registrar = ui::addButton(*panelBar, QStringLiteral("Registrar"), QStringLiteral("BitBtn8"));
    auto* cancelar = ui::addButton(*panelBar, QStringLiteral("Cancelar"), QStringLiteral("BitBtn9"));
    rows->addRow(panelBar);
    // From the first due date straight to the panel's own buttons, never the screen's bar.
    setTabOrder(primeiroVencimento_, registrar);
    setTabOrder(registrar, cancelar);
    layout_->addWidget(parcelas_);
    parcelas_->hide();
    gerando_->setObjectName(QStringLiteral("Panel2"));
    gerando_->setStyleSheet(QStringLiteral("font-weight: bold"));
    layout_->addWidget(gerando_);
    gerando_->hide();

    valorParcela_->installEventFilter(this);
    connect(valorParcela_, &QLineEdit::textEdited, this, [this] { installmentTyped_ = true; });
    connect(novo_, &QPushButton::clicked, this, &TFmPagar::novo);
    connect(gravar_, &QPushButton::clicked, this, &TFmPagar::gravar);
    connect(excluir_, &QPushButton::clicked, this, &TFmPagar::excluir);
    connect(consultar, &QPushButton::clicked, this, &TFmPagar::consultar);
    connect(alterar_, &QPushButton::clicked, this, &TFmPagar::alterar);
    connect(fechar, &QPushButton::clicked, this, &TFmPagar::reject);
    connect(parcelar_, &QPushButton::clicked, this, &TFmPagar::parcelar);
    connect(registrar, &QPushButton::clicked, this, &TFmPagar::registrar);
    connect(cancelar, &QPushButton::clicked, this, &TFmPagar::cancelarParcelas);
    setEntering(false);
}

void TFmPagar::setEntering(bool entering) {
    novo_->setEnabled(!entering);
    gravar_->setEnabled(entering);
    parcelar_->setEnabled(entering);
}

void TFmPagar::novo() {
    const core::Date today = core::Date::today();
    std::int64_t bill = 0;
    if (!ui::runGuarded([&] { bill = startBill(dm_, today, false); })) return;
    pending_ = bill;
    clearBoxes();
    lancamento_->setDate(today);
    setEntering(true);
    lancamento_->setFocus();
}

void TFmPagar::gravar() {
    const std::optional<BillEntry> entry = typed();
    if (!entry || !run([&] { checkBill(*entry); })) return;
    if (!ui::Confirma(QStringLiteral("Grava o Registro?"))) return;
    if (!run([&] { saveBill(dm_, *entry); })) return;
    pending_ = 0;
    setEntering(false);
    novo_->setFocus();
}

// The bill chosen in the query stays current in TbPagar, for "&Alterar" and "&Excluir".
void TFmPagar::consultar() {
    if (pending()) {
        ui::Dialogs::current().message(kPendingBill);
        return;
    }
    if (!ui::runGuarded([this] {
            if (!dm_.TbPagar.isOpen()) dm_.TbPagar.open();
        }))
        return;
    setEntering(false);
    TFmConsPagar query(dm_, this);
    ui::Dialogs::current().exec(query);
}

void TFmPagar::alterar() {
    if (!app::accessCheck(dm_, data::area::kAlterarContaPagar)) return;
    store::Table& pagar = dm_.TbPagar;
    if (!pagar.isOpen() || pagar.isEmpty()) {
        ui::Dialogs::current().message(QStringLiteral("Selecione o Registro a ser Alterado!"));
        return;
    }
    if (!ui::Confirma(QStringLiteral("Alterar o Registro?"))) return;
    const std::int64_t bill = pagar.field("Contador").asInteger();
    if (!ui::runGuarded([&] { showBill(bill); })) return;
    pending_ = bill;
    novo_->setEnabled(false);
    gravar_->setEnabled(true);
}

void TFmPagar::excluir() {
    if (!app::accessCheck(dm_, data::area::kExcluirContaPagar)) return;
    store::Table& pagar = dm_.TbPagar;
    if (pending_ == 0 && (!pagar.isOpen() || pagar.isEmpty())) {
        ui::Dialogs::current().message(QStringLiteral("Selecione o Registro a ser Excluído!"));
        return;
    }
    if (!ui::Confirma(QStringLiteral("Exclui o Registro?"))) return;
    const std::int64_t bill = pending_ != 0 ? pending_ : pagar.field("Contador").asInteger();
    if (!ui::runGuarded([&] { deleteBill(dm_, bill); })) return;
    pending_ = 0;
    clearBoxes();
    setEntering(false);
    novo_->setFocus();
}

void TFmPagar::parcelar() {
    total_->setText(valor_->text());
    installmentTyped_ = false;
    parcelas_->show();
    gravar_->setEnabled(false);
    total_->setFocus();
}

bool TFmPagar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == valorParcela_ && event->type() == QEvent::FocusIn && !installmentTyped_)
        proposeInstallment();
    return BillForm::eventFilter(watched, event);
}

// The first installment of the split the run would make, as a proposal the user may type over.
void TFmPagar::proposeInstallment() {
    bool whole = false;
    const int count = numeroParcelas_->text().trimmed().toInt(&whole);
    core::Currency total;
    if (!whole || count < 1 || !ui::runGuarded([&] { total = total_->amount(); }) ||
        total <= core::Currency{})
        return;
    valorParcela_->setAmount(splitAmount(total, count).front());
}

void TFmPagar::registrar() {
    if (!ui::Confirma(QStringLiteral("Registrar as Parcelas?"))) return;
    valor_->setText(total_->text());
    std::optional<BillEntry> entry = typed();
    if (!entry) return;
    InstallmentRun split;
    split.bill = pending_;
    split.installments = numeroParcelas_->text().toStdString();
    split.firstDue = primeiroVencimento_->value().toStdString();
    if (installmentTyped_ && !ui::runGuarded([&] { split.typedValue = valorParcela_->amount(); })) return;
    gerando_->show();
    const bool done = run([&] {
        keepBill(dm_, *entry);
        splitBill(dm_, split);
    });
    gerando_->hide();
    if (!done) return;
    pending_ = 0;
    setEntering(false);
    excluir_->setEnabled(true);
    alterar_->setEnabled(true);
    hideInstallments();
    clearBoxes();
    novo_->setFocus();
    ui::Dialogs::current().message(QStringLiteral("As Parcelas Foram Geradas Corretamente!"));
}

void TFmPagar::cancelarParcelas() {
    hideInstallments();
    gravar_->setEnabled(true);
}

// The screen gives back the room the panel took, rather than leaving it empty.
void TFmPagar::hideInstallments() {
    parcelas_->hide();
    layout()->activate();
    adjustSize();
}

void showPagar(data::Tdm& dm) {
    TFmPagar screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace payables

#include "payables/withdrawal_screen.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/access.h"
#include "data/dm.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/money_box.h"

namespace payables {

TFmPagarDH::TFmPagarDH(data::Tdm& dm, QWidget* parent)
    : BillForm(dm, QStringLiteral("TFmPagarDH"), QStringLiteral("RETIRADA DINHEIRO"),
               {QStringLiteral("RECIBO"), QStringLiteral("NOTA FISCAL"), QStringLiteral("CUPOM FISCAL"),
                QStringLiteral("BOLETO BANCÁRIO")},
               false, parent) {
    for (ui::DateBox* date : {lancamento_, vencimento_}) {
        date->setReadOnly(true);
        date->setFocusPolicy(Qt::NoFocus);
    }
    auto* bar = new QHBoxLayout;
    novo_ = ui::addButton(*bar, QStringLiteral("&Novo"), QStringLiteral("BitBtn1"));
    gravar_ = ui::addButton(*bar, QStringLiteral("&Gravar"), QStringLiteral("BitBtn2"));
    excluir_ = ui::addButton(*bar, QStringLiteral("&Excluir"), QStringLiteral("BitBtn3"));
    auto* fechar = ui::addButton(*bar, QStringLiteral("Fechar"), QStringLiteral("BitBtn6"));
    layout_->addLayout(bar);
    connect(novo_, &QPushButton::clicked, this, &TFmPagarDH::novo);
    connect(gravar_, &QPushButton::clicked, this, &TFmPagarDH::gravar);
    connect(excluir_, &QPushButton::clicked, this, &TFmPagarDH::excluir);
    connect(fechar, &QPushButton::clicked, this, &TFmPagarDH::reject);
    setEntering(false);
}

void TFmPagarDH::setEntering(bool entering) {
    novo_->setEnabled(!entering);
    gravar_->setEnabled(entering);
    excluir_->setEnabled(entering);
}

void TFmPagarDH::novo() {
    const core::Date today = core::Date::today();
    std::int64_t bill = 0;
    if (!ui::runGuarded([&] { bill = startBill(dm_, today, true); })) return;
    pending_ = bill;
    clearBoxes();
    lancamento_->setDate(today);
    vencimento_->setDate(today);
    setEntering(true);
    valor_->setFocus();
}

void TFmPagarDH::gravar() {
    const std::optional<BillEntry> entry = typed();
    if (!entry || !run([&] { checkWithdrawal(*entry); })) return;
    if (!ui::Confirma(QStringLiteral("Grava o Registro?"))) return;
    if (!run([&] { withdrawCash(dm_, *entry); })) return;
    pending_ = 0;
    clearBoxes();
    setEntering(false);
    novo_->setFocus();
}

void TFmPagarDH::excluir() {
    if (pending_ == 0) {
        ui::Dialogs::current().message(QStringLiteral("Selecione o Registro a ser Excluído!"));
        return;
    }
    if (!app::levelCheck(dm_, app::LevelField::AltPagar)) return;
    if (!ui::Confirma(QStringLiteral("Exclui o Registro?"))) return;
    if (!ui::runGuarded([&] { deleteBill(dm_, pending_); })) return;
    pending_ = 0;
    clearBoxes();
    setEntering(false);
    novo_->setFocus();
}

void showPagarDH(data::Tdm& dm) {
    TFmPagarDH screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace payables

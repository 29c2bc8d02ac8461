#include "sales/client_credit_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/format.h"
#include "data/dm.h"
#include "registers/client_search.h"
#include "sales/credit_payment_screen.h"
#include "ui/db_edit.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace sales {

using core::Currency;

TFmCredito::TFmCredito(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmCredito"));
    setWindowTitle(QStringLiteral("::.. Crédito de Clientes"));
    tables_.open(dm.TbCliente);

    auto* consultar = new QPushButton(QStringLiteral("CONSULTAR"), this);
    consultar->setObjectName(QStringLiteral("BitBtn3"));
    auto* nome = new ui::DbEdit(dm.DsCliente, "Nome", this);
    nome->setObjectName(QStringLiteral("DBEdit3"));
    nome->setFieldReadOnly(true);
    nome->setFocusPolicy(Qt::NoFocus);
    // The amount lives in this screen: a shared working record would be typed into by every
    // station at once.
    credito_ = new QLineEdit(QStringLiteral("0,00"), this);
    credito_->setObjectName(QStringLiteral("DBEdit1"));
    saldo_ = new QLabel(QStringLiteral("R$ 0,00"), this);
    saldo_->setObjectName(QStringLiteral("Label1"));

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Cliente:"), nome);
    ui::addLabelledRow(*rows, QStringLiteral("Valor a Creditar R$"), credito_);
    ui::addLabelledRow(*rows, QStringLiteral("SALDO"), saldo_);
    auto* bar = new QHBoxLayout;
    registrar_ = ui::addButton(*bar, QStringLiteral("REGISTRAR"), QStringLiteral("BitBtn1"));
    registrar_->setEnabled(false);
    auto* fechar = ui::addButton(*bar, QStringLiteral("FECHAR"), QStringLiteral("BitBtn2"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(consultar);
    layout->addLayout(rows);
    layout->addLayout(bar);

    connect(consultar, &QPushButton::clicked, this, &TFmCredito::consultar);
    connect(registrar_, &QPushButton::clicked, this, &TFmCredito::registrar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    ui::installEnterAsTab(this);
    consultar->setFocus();
}

void TFmCredito::showCredit() {
    saldo_->setText(QStringLiteral("R$ ") +
                    QString::fromStdString(core::formatMask(dm_.TbCliente.field("Saldo").asCurrency(),
                                                            core::kCaptionMoneyMask)));
}

void TFmCredito::consultar() {
    registers::chooseClient(dm_, this);
    // Without a client there is no one to credit.
    registrar_->setEnabled(!dm_.TbCliente.isEmpty());
    if (dm_.TbCliente.isEmpty()) return;
    showCredit();
    credito_->setFocus();
    credito_->selectAll();
}

void TFmCredito::registrar() {
    const Currency credit = Currency::parse(credito_->text().toStdString()).value_or(Currency{});
    if (credit < Currency::fromUnits(100)) {
        credito_->setFocus();
        return ui::Dialogs::current().message(QStringLiteral("Digite o Valor do Crédito a Ser Inserido!"));
    }
    registrar_->setEnabled(false);
    TFmPagamentoCD payment(dm_, dm_.TbCliente.field("Codigo").asInteger(), credit, this);
    ui::Dialogs::current().exec(payment);
    ui::runGuarded([this] {
        dm_.TbCliente.refresh();
        showCredit();
    });
}

void showCredito(data::Tdm& dm) {
    ui::runGuarded([&dm] {
        TFmCredito screen(dm);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace sales

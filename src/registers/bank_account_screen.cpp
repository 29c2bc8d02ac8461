#include "registers/bank_account_screen.h"

#include <QFocusEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "registers/bank_account_rules.h"
#include "registers/bank_account_search.h"
#include "ui/db_edit.h"
#include "ui/db_mask_edit.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/guarded.h"

namespace registers {

TFmCadContas::TFmCadContas(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmCadContas"));
    setWindowTitle(QStringLiteral("Cadastro de Contas Bancárias."));
    ui::runGuarded([this] {
        if (!dm_.TbConta.isOpen()) {
            dm_.TbConta.open();
            opened_ = true;
        }
    });
    auto edit = [this](const char* field, const char* name) {
        auto* control = new ui::DbEdit(dm_.DsConta, field, this);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    auto date = [this](const char* field, const char* name) {
        auto* control = new ui::DbMaskEdit(dm_.DsConta, field, this);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    auto* heading = new QLabel(QStringLiteral("CONTAS BANCÁRIAS"), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    conta_ = edit("Conta", "DBEdit1");
    data01_ = date("Data01", "DBEdit11");
    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Nº da Conta:"), conta_, QStringLiteral("Agência:"),
                       edit("Agencia", "DBEdit2"));
    ui::addLabelledRow(*rows, QStringLiteral("Nº Banco:"), edit("Banco", "DBEdit3"),
                       QStringLiteral("Nome do Banco:"), edit("Nome", "DBEdit4"));
    ui::addLabelledRow(*rows, QStringLiteral("Titular da Conta:"), edit("Titular", "DBEdit5"));
    ui::addLabelledRow(*rows, QStringLiteral("Limite Cheque  R$"), edit("Limite", "DBEdit6"),
                       QStringLiteral("Limite Crédito   R$"), edit("Credito", "DBEdit7"));
    ui::addLabelledRow(*rows, QStringLiteral("Aplicação R$"), edit("Valor", "DBEdit8"),
                       QStringLiteral("Data Anterior:"), date("Data02", "DBEdit9"));
    ui::addLabelledRow(*rows, QStringLiteral("Aplicação R$"), edit("Investimentos", "DBEdit10"),
                       QStringLiteral("Data Atual:"), data01_);

    auto* bar = new QHBoxLayout;
    buttons_ = ui::addRegisterButtons(*bar, {.alterar = false});
    buttons_.excluir->setText(QStringLiteral("&Exclui"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addLayout(rows);
    layout->addLayout(bar);
    connect(buttons_.novo, &QPushButton::clicked, this, &TFmCadContas::novo);
    connect(buttons_.gravar, &QPushButton::clicked, this, &TFmCadContas::gravar);
    connect(buttons_.excluir, &QPushButton::clicked, this, &TFmCadContas::exclui);
    connect(buttons_.consultar, &QPushButton::clicked, this, &TFmCadContas::consultar);
    connect(buttons_.fechar, &QPushButton::clicked, this, &QDialog::accept);
    data01_->installEventFilter(this);
    ui::installEnterAsTab(this);
}

TFmCadContas::~TFmCadContas() {
    store::Table& conta = dm_.TbConta;
    if (!conta.isOpen()) return;
    ui::runGuarded([this, &conta] {
        conta.cancel();
        if (opened_) conta.close();
    });
}

bool TFmCadContas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == data01_ && event->type() == QEvent::FocusOut &&
        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()))
        QMetaObject::invokeMethod(
            buttons_.gravar, [this] { buttons_.gravar->setFocus(); }, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void TFmCadContas::novo() {
    ui::runGuarded([this] {
        dm_.TbConta.cancel();
        dm_.TbConta.insert();
        conta_->setFocus();
    });
}

void TFmCadContas::gravar() {
    ui::runGuarded([this] {
        store::Table& conta = dm_.TbConta;
        ui::writeControls(conta);
        if (!conta.isEditing() && conta.isEmpty()) return;
        if (const std::optional<QString> refusal = bankAccountRefusal(dm_)) {
            ui::Dialogs::current().message(*refusal);
            conta_->setFocus();
            return;
        }
        if (!ui::Confirma(QStringLiteral("Confirma a Gravação?"))) return;
        if (!conta.isEditing()) conta.edit();
        ui::postRecord(conta);
        buttons_.novo->setFocus();
    });
}

void TFmCadContas::exclui() {
    if (dm_.TbConta.isEmpty() && !dm_.TbConta.isEditing()) return;
    if (!ui::Confirma(QStringLiteral("Deseja Apagar Este Registro?"))) return;
    ui::runGuarded([this] {
        store::Table& conta = dm_.TbConta;
        if (conta.state() == store::TableState::Insert) {
            conta.cancel();
            return;
        }
        conta.cancel();
        conta.deleteRecord();
        ui::Dialogs::current().message(QStringLiteral("O Registro Escolhido Foi Excluído!"));
    });
}

void TFmCadContas::consultar() {
    ui::runGuarded([this] { dm_.TbConta.cancel(); });
    chooseBankAccount(dm_, this);
}

void showCadContas(data::Tdm& dm) {
    TFmCadContas screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers

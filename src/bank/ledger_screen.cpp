#include "bank/ledger_screen.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

#include "bank/account_box.h"
#include "bank/help_screen.h"
#include "bank/ledger.h"
#include "bank/ledger_query.h"
#include "bank/statement_screen.h"
#include "bank/transfer_screen.h"
#include "data/dm.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace bank {

namespace {

const QString kHeading = QStringLiteral("LANÇAMENTOS");

QLineEdit* textBox(QWidget* parent, const char* name, int maxLength, bool readOnly = false) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    box->setReadOnly(readOnly);
    if (readOnly) box->setFocusPolicy(Qt::NoFocus);  // shown only: Enter goes on to "Data:"
    box->setMinimumWidth(ui::contentWidth(*box));
    return box;
}

}  // namespace

TFmControleBancario::TFmControleBancario(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      heading_(new QLabel(kHeading, this)),
      conta_(new AccountBox(dm, QStringLiteral("Edit1"), QStringLiteral("&B"), QStringLiteral("SpeedButton1"),
                            this)),
      banco_(textBox(this, "DBEdit1", 10, true)),
      agencia_(textBox(this, "DBEdit2", 10, true)),
      data_(new ui::DateBox(this)),
      operacao_(new QComboBox(this)),
      documento_(textBox(this, "DBEdit4", 15)),
      vencimento_(new ui::DateBox(this)),
      valor_(textBox(this, "DBEdit6", 14)),
      historico_(textBox(this, "DBEdit5", 50)) {
    setObjectName(QStringLiteral("TFmControleBancario"));
    setWindowTitle(QStringLiteral("::.. Controle Bancário"));
    heading_->setObjectName(QStringLiteral("Label1"));
    data_->setObjectName(QStringLiteral("DBEdit3"));
    vencimento_->setObjectName(QStringLiteral("DBEdit8"));
    operacao_->setObjectName(QStringLiteral("DBComboBox1"));
    // Only the two operations of the list: a typed one could miss its accent.
    operacao_->addItems({QString::fromUtf8(kCredito), QString::fromUtf8(kDebito)});
    operacao_->setCurrentIndex(-1);
    // Never narrower than its longest operation, whatever room the row leaves it.
    operacao_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    operacao_->setMinimumWidth(operacao_->sizeHint().width());

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Nº da Conta:"), conta_);
    ui::addLabelledRow(*rows, QStringLiteral("&Banco:"), banco_, QStringLiteral("Agência:"), agencia_);
    ui::addLabelledRow(*rows, QStringLiteral("Data:"), data_, QStringLiteral("Operação:"), operacao_);
    ui::addLabelledRow(*rows, QStringLiteral("Nº Documento:"), documento_, QStringLiteral("Vencimento:"),
                       vencimento_);
    ui::addLabelledRow(*rows, QStringLiteral("Valor R$"), valor_);
    ui::addLabelledRow(*rows, QStringLiteral("Histórico:"), historico_);

    auto* entryBar = new QHBoxLayout;
    novo_ = ui::addButton(*entryBar, QStringLiteral("&NOVO"), QStringLiteral("BitBtn6"));
    registrar_ = ui::addButton(*entryBar, QStringLiteral("&REGISTRAR"), QStringLiteral("BitBtn4"));
    cancelar_ = ui::addButton(*entryBar, QStringLiteral("&CANCELAR"), QStringLiteral("BitBtn5"));
    excluir_ = ui::addButton(*entryBar, QStringLiteral("E&XCLUIR"), QStringLiteral("BitBtn11"));
    auto* otherBar = new QHBoxLayout;
    transferir_ = ui::addButton(*otherBar, QStringLiteral("&TRANSFERIR"), QStringLiteral("BitBtn7"));
    extrato_ = ui::addButton(*otherBar, QStringLiteral("&EXTRATO"), QStringLiteral("BitBtn1"));
    consultar_ = ui::addButton(*otherBar, QStringLiteral("&CONSULTAR"), QStringLiteral("BitBtn2"));
    otherBar->addStretch();
    QPushButton* ajuda = ui::addButton(*otherBar, QStringLiteral("?"), QStringLiteral("SpeedButton7"));
    ajuda->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(rows);
    layout->addLayout(entryBar);
    layout->addLayout(otherBar);

    registrar_->setEnabled(false);
    cancelar_->setEnabled(false);
    excluir_->setEnabled(false);
    setEntering(false);

    data_->installEventFilter(this);
    documento_->installEventFilter(this);
    connect(conta_, &AccountBox::chosen, data_, [this] { data_->setFocus(Qt::OtherFocusReason); });
    connect(novo_, &QPushButton::clicked, this, &TFmControleBancario::novo);
    connect(registrar_, &QPushButton::clicked, this, &TFmControleBancario::registrar);
    connect(cancelar_, &QPushButton::clicked, this, &TFmControleBancario::cancelar);
    connect(excluir_, &QPushButton::clicked, this, &TFmControleBancario::excluir);
    connect(transferir_, &QPushButton::clicked, this, [this] {
        TFmTransferir screen(dm_, this);
        showAway(screen);
    });
    connect(extrato_, &QPushButton::clicked, this, [this] {
        TFmDataExtrato screen(dm_, output_, this);
        showAway(screen);
    });
    connect(consultar_, &QPushButton::clicked, this, [this] {
        TFmConsControle screen(dm_, this);
        ui::Dialogs::current().exec(screen);
    });
    connect(ajuda, &QPushButton::clicked, this, [this] {
        TFmAjudaBanco screen(this);
        ui::Dialogs::current().exec(screen);
    });
    ui::installEnterAsTab(this);
}

void TFmControleBancario::setEntering(bool entering) {
    registrar_->setEnabled(entering);
    cancelar_->setEnabled(entering);
    for (QPushButton* button : {novo_, extrato_, transferir_, consultar_}) button->setEnabled(!entering);
    // Deleting means the entry just registered, never the one being typed.
    if (entering) excluir_->setEnabled(false);
}

bool TFmControleBancario::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && registrar_->isEnabled()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == data_ && (ui::leftByUser(reason) || reason == Qt::OtherFocusReason)) lookUpAccount();
        if (watched == documento_ && ui::leftByUser(reason)) checkOperation();
    }
    return QDialog::eventFilter(watched, event);
}

void TFmControleBancario::novo() {
    for (QLineEdit* box : {conta_->box(), banco_, agencia_, documento_, valor_, historico_}) box->clear();
    data_->setDate({});
    vencimento_->setDate({});
    operacao_->setCurrentIndex(operacao_->findText(lastOperation_));
    heading_->setText(kHeading);
    setEntering(true);
    conta_->box()->setFocus();
}

void TFmControleBancario::lookUpAccount() {
    const std::optional<Account> account = conta_->lookUp();
    if (!account) return;
    heading_->setText(QStringLiteral("CONTA - BANCO ") + QString::fromStdString(account->nome));
    banco_->setText(QString::fromStdString(account->nome).left(10));
    agencia_->setText(QString::fromStdString(account->agencia));
    data_->setDate(core::Date::today());
    vencimento_->setDate(core::Date::today());
}

void TFmControleBancario::checkOperation() {
    if (operacao_->currentIndex() >= 0) return;
    ui::Dialogs::current().message(QStringLiteral("Selecione o Tipo de Operação CRÉDITO ou DÉBTO!"));
    operacao_->setFocus();
}

void TFmControleBancario::registrar() {
    const std::optional<core::Currency> valor = core::Currency::parse(valor_->text().trimmed().toStdString());
    if (!valor || *valor < core::Currency::fromReais(1)) {
        ui::Dialogs::current().message(QStringLiteral("Digite o Valor do Lançamento!"));
        valor_->setFocus();
        return;
    }
    if (operacao_->currentIndex() < 0) {
        ui::Dialogs::current().message(QStringLiteral("Selecione o Tipo de Operação CRÉDITO ou DÉBTO!"));
        operacao_->setFocus();
        return;
    }
    Entry entry{conta_->number(),
                {},
                operacao_->currentText().toStdString(),
                documento_->text().toStdString(),
                {},
                *valor,
                historico_->text().toStdString()};
    // An impossible date is asked for again like a missing one, before anything is written.
    for (auto [box, date, message] :
         {std::tuple{data_, &entry.dataLan, "Digite a Data do Lançamento!"},
          std::tuple{vencimento_, &entry.vencimento, "Digite a Data de Vencimento!"}}) {
        try {
            *date = box->date();
        } catch (const core::DateError&) {
        }
        if (date->isNull()) {
            ui::Dialogs::current().message(QString::fromUtf8(message));
            box->setFocus();
            return;
        }
    }
    if (!ui::Confirma(QStringLiteral("Registrar o Lançamento?"))) return;
    if (!ui::runGuarded([&] { registered_ = registerEntry(dm_, entry); })) return;
    lastOperation_ = operacao_->currentText();
    setEntering(false);
    excluir_->setEnabled(true);
    novo_->setFocus();
}

void TFmControleBancario::cancelar() {
    if (!ui::Confirma(QStringLiteral("Cancelar o Lançamento?"))) return;
    setEntering(false);
    heading_->setText(kHeading);
}

void TFmControleBancario::excluir() {
    if (registered_ == 0) {
        ui::Dialogs::current().message(QStringLiteral("Selecione o Lançamento a Ser Excluído!"));
        return;
    }
    if (!ui::Confirma(QStringLiteral("Excluir o Lançamento?"))) return;
    ui::runGuarded([&] { deleteEntry(dm_, registered_); });
    // Gone either way: deleted now, or by another station before.
    registered_ = 0;
    excluir_->setEnabled(false);
}

bool TFmControleBancario::refuseWhileEntering() {
    if (!registrar_->isEnabled()) return false;
    ui::Dialogs::current().message(QStringLiteral("Registro em Edição! Registre ou Cancele o Lançamento."));
    return true;
}

void TFmControleBancario::reject() {
    if (!refuseWhileEntering()) QDialog::reject();
}

void TFmControleBancario::showAway(QDialog& screen) {
    hide();
    ui::Dialogs::current().exec(screen);
    show();
}

void showControleBancario(data::Tdm& dm) {
    TFmControleBancario screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace bank

#include "bank/transfer_screen.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bank/account_box.h"
#include "bank/transfer.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace bank {

namespace {

QLineEdit* shownBox(QWidget* parent, const char* name, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    box->setReadOnly(true);
    box->setMinimumWidth(ui::contentWidth(*box));
    return box;
}

void showAccount(const Account& account, QLineEdit* banco, QLineEdit* agencia) {
    banco->setText(QString::fromStdString(account.nome));
    agencia->setText(QString::fromStdString(account.agencia));
}

}  // namespace

TFmTransferir::TFmTransferir(data::Tdm& dm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint),
      dm_(dm),
      origem_(new AccountBox(dm, QStringLiteral("Edit1"), QStringLiteral("..."),
                             QStringLiteral("SpeedButton1"), this)),
      origemBanco_(shownBox(this, "Edit5", 40)),
      origemAgencia_(shownBox(this, "Edit6", 10)),
      data_(new ui::DateBox(this)),
      identificacao_(new QLineEdit(this)),
      valor_(new QLineEdit(this)),
      destino_(new AccountBox(dm, QStringLiteral("Edit2"), QStringLiteral("..."),
                              QStringLiteral("SpeedButton2"), this)),
      destinoBanco_(shownBox(this, "Edit3", 40)),
      destinoAgencia_(shownBox(this, "Edit4", 10)) {
    setObjectName(QStringLiteral("TFmTransferir"));
    data_->setObjectName(QStringLiteral("MaskEdit1"));
    identificacao_->setObjectName(QStringLiteral("Edit8"));
    identificacao_->setMaxLength(30);
    valor_->setObjectName(QStringLiteral("Edit7"));
    valor_->setMaxLength(14);
    for (QLineEdit* box : {identificacao_, valor_}) box->setMinimumWidth(ui::contentWidth(*box));

    auto* heading = new QLabel(QStringLiteral("TRANSFERÊNCIA BANCÁRIA"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFormLayout* from = ui::labelledRows();
    ui::addLabelledRow(*from, QStringLiteral("Nº da Conta:"), origem_);
    ui::addLabelledRow(*from, QStringLiteral("&Banco:"), origemBanco_, QStringLiteral("Agência:"),
                       origemAgencia_);
    ui::addLabelledRow(*from, QStringLiteral("Data:"), data_);
    ui::addLabelledRow(*from, QStringLiteral("Identificação:"), identificacao_);
    ui::addLabelledRow(*from, QStringLiteral("Valor:"), valor_);
    auto* to = new QGroupBox(QStringLiteral("Transferir Para:"), this);
    QFormLayout* toRows = ui::labelledRows(to);
    ui::addLabelledRow(*toRows, QStringLiteral("Nº da Conta:"), destino_);
    ui::addLabelledRow(*toRows, QStringLiteral("&Banco:"), destinoBanco_, QStringLiteral("Agência:"),
                       destinoAgencia_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    transferir_ = ui::addButton(*bar, QStringLiteral("TRANFERIR"), QStringLiteral("BitBtn1"));
    QPushButton* cancelar = ui::addButton(*bar, QStringLiteral("CANCELAR"), QStringLiteral("BitBtn2"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(from);
    layout->addWidget(to);
    layout->addLayout(bar);
    // The destination's name is passed through on the way to "TRANFERIR": it looks it up.
    destinoBanco_->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(valor_, destino_->box());
    setTabOrder(destino_->box(), destinoBanco_);
    setTabOrder(destinoBanco_, transferir_);

    data_->installEventFilter(this);
    destinoBanco_->installEventFilter(this);
    connect(origem_, &AccountBox::chosen, this, [this] { data_->setFocus(Qt::OtherFocusReason); });
    connect(destino_, &AccountBox::chosen, this, [this] { destinoBanco_->setFocus(Qt::OtherFocusReason); });
    connect(transferir_, &QPushButton::clicked, this, &TFmTransferir::transferir);
    connect(cancelar, &QPushButton::clicked, this, &TFmTransferir::cancelar);
    ui::installEnterAsTab(this);
}

bool TFmTransferir::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (ui::leftByUser(reason) || reason == Qt::OtherFocusReason) {
            if (watched == data_) lookUpOrigin();
            if (watched == destinoBanco_) lookUpDestination();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFmTransferir::lookUpOrigin() {
    const std::optional<Account> account = origem_->lookUp();
    if (!account) return;
    showAccount(*account, origemBanco_, origemAgencia_);
    data_->setDate(core::Date::today());
}

void TFmTransferir::lookUpDestination() {
    const std::optional<Account> account = destino_->lookUp();
    if (!account) return;
    showAccount(*account, destinoBanco_, destinoAgencia_);
    transferir_->setFocus();
}

void TFmTransferir::transferir() {
    const std::optional<core::Currency> valor = core::Currency::parse(valor_->text().trimmed().toStdString());
    if (!valor || *valor <= core::Currency()) {
        ui::Dialogs::current().message(QStringLiteral("Digite o Valor Para a Transferência!"));
        valor_->setFocus();
        return;
    }
    Transfer transfer{
        origem_->number(), destino_->number(), {}, identificacao_->text().toStdString(), *valor};
    try {
        transfer.data = data_->date();
    } catch (const core::DateError&) {
        // an impossible date is asked for again like a missing one
    }
    if (transfer.data.isNull()) {
        ui::Dialogs::current().message(QStringLiteral("Digite a Data da Transferência!"));
        data_->setFocus();
        return;
    }
    if (!ui::Confirma(QStringLiteral("Confirma a Transferência?"))) return;
    if (!ui::runGuarded([&] { bank::transfer(dm_, transfer); })) return;
    ui::Dialogs::current().message(QStringLiteral("Transferência Realizada Com Sucesso!"));
    accept();
}

void TFmTransferir::cancelar() {
    if (ui::Confirma(QStringLiteral("Cancelar a Transferência?"))) done(QDialog::Rejected);
}

}  // namespace bank

#include "app/own_password.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/user_rules.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/user_passwords.h"
#include "ui/caption_width.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/upper_case_input.h"

namespace app {

TFmTrocaSenha::TFmTrocaSenha(data::Tdm& dm, QWidget* parent)
    : QDialog(parent), dm_(dm), password_(new QLineEdit(this)), confirmation_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FmTrocaSenha"));
    setWindowTitle(QStringLiteral("Nova Senha de Acesso."));
    password_->setObjectName(QStringLiteral("EdNovaSenha"));
    confirmation_->setObjectName(QStringLiteral("EdConfirmar"));
    for (QLineEdit* box : {password_, confirmation_}) {
        box->setMaxLength(data::kUserPasswordLength);
        box->setEchoMode(QLineEdit::Password);
        ui::typeInUpperCase(box);
    }

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("&Nova Senha:"), password_);
    ui::addLabelledRow(*rows, QStringLiteral("&Confirmar:"), confirmation_);
    auto* buttons = new QHBoxLayout;
    QPushButton* gravar = ui::addButton(*buttons, QStringLiteral("&Gravar"), QStringLiteral("BtGravar"));
    QPushButton* depois = ui::addButton(*buttons, QStringLiteral("&Depois"), QStringLiteral("BtDepois"));
    connect(gravar, &QPushButton::clicked, this, &TFmTrocaSenha::gravar);
    connect(depois, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Usuário: %1").arg(QString::fromStdString(dm_.TbSenha.field("Usuario").asString())), this));
    layout->addLayout(rows);
    layout->addWidget(new QLabel(QStringLiteral("Até %1 letras ou números.").arg(data::kUserPasswordLength), this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ui::keepCaptionWhole(*layout);
    ui::installEnterAsTab(this);
    password_->setFocus();
}

void TFmTrocaSenha::gravar() {
    const QString password = password_->text();
    const auto refuse = [this](const QString& message, QLineEdit* box) {
        ui::Dialogs::current().message(message);
        box->clear();
        box->setFocus();
    };
    if (password.isEmpty()) return refuse(kTypeNewPassword, password_);
    if (password == QString::fromUtf8(data::kFirstPassword)) return refuse(kNewPasswordIsTheFirst, password_);
    if (confirmation_->text().isEmpty()) return refuse(kTypeConfirmation, confirmation_);
    if (confirmation_->text() != password) return refuse(kConfirmationDiffers, confirmation_);
    if (!ui::runGuarded([&] {
            data::changeUsersPassword(dm_, dm_.TbSenha.field("Codigo").asInteger(), password.toStdString());
        }))
        return;
    ui::Dialogs::current().message(kPasswordChanged);
    accept();
}

void offerOwnPassword(data::Tdm& dm, QWidget* parent) {
    bool first = false;
    if (!ui::runGuarded([&] { first = data::onFirstPassword(dm); }) || !first) return;
    if (!ui::Confirma(kChooseOwnPassword)) return;
    TFmTrocaSenha dialog(dm, parent);
    ui::Dialogs::current().exec(dialog);
}

}  // namespace app

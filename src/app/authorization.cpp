#include "app/authorization.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/login_rules.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/user_passwords.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"
#include "ui/upper_case_input.h"

namespace app {

TFmAutorizacao::TFmAutorizacao(data::Tdm& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      users_(new QComboBox(this)),
      password_(new QLineEdit(this)),
      reminder_(new QLabel(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("&Cancelar"), this)) {
    setObjectName(QStringLiteral("FmAutorizacao"));
    setWindowTitle(QStringLiteral("Senha de  Autorização."));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    users_->setObjectName(QStringLiteral("CbUsuario"));
    password_->setObjectName(QStringLiteral("EdSenha"));
    reminder_->setObjectName(QStringLiteral("LbLembrete"));
    ok_->setObjectName(QStringLiteral("BtOk"));
    cancel_->setObjectName(QStringLiteral("BtCancelar"));

    ui::runGuarded([this] {
        store::Table& senha = dm_.TbSenha;
        const int usuario = senha.field("Usuario").index();
        for (const store::Record& row : senha.rowsAt(0, senha.recordCount())) {
            const auto* name = std::get_if<std::string>(&row.values[usuario]);
            users_->addItem(name ? QString::fromStdString(*name) : QString());
            userRows_.push_back(row.rowid);
        }
    });
    users_->setCurrentIndex(-1);
    connect(users_, &QComboBox::activated, this, &TFmAutorizacao::chooseUser);

    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(data::kUserPasswordLength);
    ui::typeInUpperCase(password_);
    reminder_->setText(
        QStringLiteral("Senha inicial do usuário %1: %2")
            .arg(QString::fromUtf8(data::kFirstUser), QString::fromUtf8(data::kFirstPassword)));

    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nome do Usuário:"), users_);
    form->addRow(QStringLiteral("Senha de Acesso:"), password_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Selecione o usuário e entre com a Senha de autorização!"), this));
    layout->addLayout(form);
    layout->addWidget(reminder_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    password_->setFocus();
}

QString TFmAutorizacao::typedPassword() const {
    return password_->text();
}

void TFmAutorizacao::chooseUser(int index) {
    if (index < 0 || index >= static_cast<int>(userRows_.size())) return;
    ui::runGuarded([&] { dm_.TbSenha.gotoBookmark(userRows_[index]); });
}

bool TFmAutorizacao::mayAccept() {
    WrongPasswords& wrong = wrongPasswords();
    if (const auto wait = wrong.waitAt(WrongPasswords::Clock::now()); wait.count() > 0) {
        ui::Dialogs::current().message(waitMessage(wait));  // not even checked: a guess costs its wait
        password_->clear();
        password_->setFocus();
        return false;
    }
    // A store error while checking has been shown; the dialog stays, as for no user.
    AuthorizationVerdict verdict = AuthorizationVerdict::NoUser;
    ui::runGuarded([&] { verdict = judgeAuthorization(dm_, password_->text()); });
    switch (verdict) {
        case AuthorizationVerdict::Accept:
            wrong.right();
            return true;
        case AuthorizationVerdict::WrongPassword: {
            ui::runGuarded([this] { recordWrongPassword(dm_); });
            const auto now = WrongPasswords::Clock::now();
            wrong.wrong(now);
            const auto wait = wrong.waitAt(now);
            ui::Dialogs::current().message(wait.count() > 0 ? kWrongPassword + QLatin1Char('\n') + waitMessage(wait)
                                                            : kWrongPassword);
            break;
        }
        case AuthorizationVerdict::NoUser:
            break;
    }
    password_->clear();
    password_->setFocus();
    return false;
}

void TFmAutorizacao::done(int result) {
    if (result == QDialog::Accepted && !mayAccept()) return;
    QDialog::done(result);
}

bool authorize(data::Tdm& dm) {
    TFmAutorizacao dialog(dm);
    return ui::Dialogs::current().exec(dialog) == QDialog::Accepted;
}

}  // namespace app

#include "app/users_screen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/user_rules.h"
#include "data/dm.h"
#include "data/user_passwords.h"
#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/upper_case_input.h"

namespace app {

namespace {

std::function<void()>& employeeSearch() {
    static std::function<void()> search;
    return search;
}

// Passwords show one "#" per character.
void hideAsHashes(QLineEdit* edit) {
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 35;"));
}

}  // namespace

void setEmployeeSearch(std::function<void()> search) {
    employeeSearch() = std::move(search);
}

TFmSenhas::TFmSenhas(data::Tdm& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      code_(new ui::DbEdit(dm.DsSenha, "CodFUN", this)),
      user_(new ui::DbEdit(dm.DsSenha, "Usuario", this)),
      password_(new QLineEdit(this)),
      confirmation_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FmSenhas"));
    setWindowTitle(QStringLiteral("Controle de Senhas de Acesso."));
    ui::runGuarded([&dm] { dm.TbFuncionario.open(); });

    code_->setObjectName(QStringLiteral("EdCodFUN"));
    user_->setObjectName(QStringLiteral("EdUsuario"));
    user_->setFieldReadOnly(true);
    user_->installEventFilter(this);
    // Neither box shows what is stored: only a hash is, and a password is only ever typed anew.
    password_->setObjectName(QStringLiteral("EdSenha"));
    confirmation_->setObjectName(QStringLiteral("EdConfirmar"));
    for (QLineEdit* box : {password_, confirmation_}) {
        box->setMaxLength(data::kUserPasswordLength);
        ui::typeInUpperCase(box);
        hideAsHashes(box);
    }

    auto* buttons = new QHBoxLayout;
    register_ = ui::addButton(*buttons, QStringLiteral("&Registrar"), QStringLiteral("BtRegistrar"));
    novo_ = ui::addButton(*buttons, QStringLiteral("&Novo"), QStringLiteral("BtNovo"));
    excluir_ = ui::addButton(*buttons, QStringLiteral("&Excluir"), QStringLiteral("BtExcluir"));
    consulta_ = ui::addButton(*buttons, QStringLiteral("&Consulta"), QStringLiteral("BtConsulta"));
    alterar_ = ui::addButton(*buttons, QStringLiteral("&Alterar"), QStringLiteral("BtAlterar"));
    fechar_ = ui::addButton(*buttons, QStringLiteral("&Fechar"), QStringLiteral("BtFechar"));
    connect(register_, &QPushButton::clicked, this, &TFmSenhas::registerUser);
    connect(novo_, &QPushButton::clicked, this, &TFmSenhas::novo);
    connect(excluir_, &QPushButton::clicked, this, &TFmSenhas::excluir);
    connect(consulta_, &QPushButton::clicked, this, &TFmSenhas::consulta);
    connect(alterar_, &QPushButton::clicked, this, &TFmSenhas::alterar);
    connect(fechar_, &QPushButton::clicked, this, &QDialog::reject);

    auto* codeBox = new QWidget(this);
    auto* codeRow = new QHBoxLayout(codeBox);
    codeRow->setContentsMargins(0, 0, 0, 0);
    codeRow->addWidget(code_);
    search_ = ui::addButton(*codeRow, QStringLiteral("&F"), QStringLiteral("BtF"));
    search_->setAutoDefault(false);
    connect(search_, &QPushButton::clicked, this, &TFmSenhas::searchEmployee);

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("CÓD.:"), codeBox);
    ui::addLabelledRow(*rows, QStringLiteral("Usuário:"), user_);
    ui::addLabelledRow(*rows, QStringLiteral("Senha:"), password_);
    ui::addLabelledRow(*rows, QStringLiteral("Confirmar:"), confirmation_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(new QLabel(QStringLiteral("Para cadastrar um usuário é necessário que ele já"), this));
    layout->addWidget(new QLabel(QStringLiteral("esteja cadastrado como funcionário!"), this));
    layout->addLayout(buttons);

    ui::installEnterAsTab(this);
    setRegistering(false);
}

TFmSenhas::~TFmSenhas() {
    ui::runGuarded([this] {
        if (dm_.TbSenha.isEditing()) dm_.TbSenha.cancel();
        dm_.TbFuncionario.close();
    });
}

bool TFmSenhas::registering() const {
    return register_->isEnabled();
}

void TFmSenhas::setRegistering(bool registering) {
    register_->setEnabled(registering);
    novo_->setEnabled(!registering);
    alterar_->setEnabled(!registering);
    search_->setEnabled(registering && employeeSearch());
    // Browsing shows the user; typing over it must not start an unconfirmed change.
    code_->setFieldReadOnly(!registering);
    for (QLineEdit* box : {password_, confirmation_}) {
        box->setReadOnly(!registering);
        box->clear();
    }
}

void TFmSenhas::novo() {
    if (!ui::runGuarded([this] { startNewUser(dm_); })) return;
    setRegistering(true);
    code_->setFocus();
}

void TFmSenhas::searchEmployee() {
    if (!registering() || !employeeSearch()) return;
    employeeSearch()();
    ui::runGuarded(
        [this] { dm_.TbSenha.field("CodFUN").setInteger(dm_.TbFuncionario.field("Codigo").asInteger()); });
    user_->setFocus();
}

bool TFmSenhas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == user_ && event->type() == QEvent::FocusIn && registering()) enterUser();
    return QDialog::eventFilter(watched, event);
}

void TFmSenhas::enterUser() {
    bool found = false;
    if (!ui::runGuarded([&] {
            ui::writeControls(dm_.TbSenha);
            found = takeEmployeeName(dm_);
        }))
        return;
    if (found) {
        password_->setFocus();
        return;
    }
    ui::Dialogs::current().message(kUnknownEmployee);
    code_->setFocus();
}

void TFmSenhas::registerUser() {
    RegistrationProblem problem = RegistrationProblem::None;
    if (!ui::runGuarded([&] {
            ui::writeControls(dm_.TbSenha);
            problem = checkRegistration(dm_, password_->text(), confirmation_->text());
        }))
        return;
    if (problem != RegistrationProblem::None) {
        ui::Dialogs::current().message(messageFor(problem));
        switch (problem) {
            case RegistrationProblem::NoConfirmation:
                confirmation_->setFocus();
                break;
            case RegistrationProblem::ConfirmationDiffers:
                confirmation_->clear();
                confirmation_->setFocus();
                break;
            default:
                code_->setFocus();
        }
        return;
    }
    if (!ui::Confirma(QStringLiteral("Grava o Novo Usuário?"))) return;
    if (!ui::runGuarded([this] { app::registerUser(dm_, password_->text()); })) return;
    setRegistering(false);
    fechar_->setFocus();
}

void TFmSenhas::alterar() {
    if (!ui::Confirma(QStringLiteral("Alterar a Senha do Usuário?"))) return;
    if (!ui::runGuarded([this] { dm_.TbSenha.edit(); })) return;
    setRegistering(true);
    password_->setFocus();
}

void TFmSenhas::excluir() {
    if (!ui::Confirma(QStringLiteral("Excluir o Usuário?"))) return;
    ui::runGuarded([this] {
        if (!deleteCurrentUser(dm_)) ui::Dialogs::current().message(kOnlyUser);
    });
    setRegistering(false);
}

void TFmSenhas::consulta() {
    if (registering()) {
        ui::Dialogs::current().message(kRecordInEdit);
        return;
    }
    TFmConSenha list(dm_, this);
    ui::Dialogs::current().exec(list);
}

void TFmSenhas::done(int result) {
    if (registering()) {
        ui::Dialogs::current().message(kRecordInEdit);
        return;
    }
    QDialog::done(result);
}

TFmConSenha::TFmConSenha(data::Tdm& dm, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FmConSenha"));
    setWindowTitle(QStringLiteral("Consultar Senhas de Acesso"));
    auto* users = new ui::DbGrid(dm.TbSenha, {{"Usuario", QStringLiteral("Usuários")}}, this);
    users->setObjectName(QStringLiteral("DBGrid1"));
    connect(users, &ui::DbGrid::chosen, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* close = ui::addButton(*buttons, QStringLiteral("&Fechar"), QStringLiteral("BtFechar"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(users);
    layout->addLayout(buttons);
    resize(320, 360);
}

}  // namespace app

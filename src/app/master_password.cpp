#include "app/master_password.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/settings_screen.h"
#include "data/dm.h"
#include "data/master_password.h"
#include "ui/caption_width.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"
#include "ui/upper_case_input.h"

namespace app {

TFmAdministradorCP::TFmAdministradorCP(data::Tdm& dm, QWidget* parent)
    : QDialog(parent), dm_(dm), password_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FmAdministradorCP"));
    setWindowTitle(QStringLiteral("::.. Administrador Master"));
    password_->setObjectName(QStringLiteral("EdSenha"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(10);
    ui::typeInUpperCase(password_);

    auto* enter = new QPushButton(QStringLiteral("Entrar"), this);
    enter->setObjectName(QStringLiteral("BtEntrar"));
    enter->setDefault(true);
    connect(enter, &QPushButton::clicked, this, &TFmAdministradorCP::enter);
    auto* close = new QPushButton(QStringLiteral("Fechar"), this);
    close->setObjectName(QStringLiteral("BtFechar"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Senha Master:"), this));
    row->addWidget(password_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(enter);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ui::keepCaptionWhole(*layout);
}

void TFmAdministradorCP::enter() {
    auto check = data::MasterCheck::Wrong;
    if (!ui::runGuarded([&] { check = data::checkMasterPassword(dm_, password_->text().toStdString()); }))
        return;
    if (check != data::MasterCheck::Right) {
        ui::Dialogs::current().message(
            check == data::MasterCheck::NotSet
                ? kNoMasterPassword.arg(QString::fromStdString(dm_.DbVelmora.directory().string()))
                : kInvalidMasterPassword);
        password_->clear();
        password_->setFocus();
        return;
    }
    // This screen is done once the settings screen takes its place.
    accept();
    TFmConfigurar settings(dm_, parentWidget());
    ui::Dialogs::current().exec(settings);
}

}  // namespace app

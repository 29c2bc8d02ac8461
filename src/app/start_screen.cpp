#include "app/start_screen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/authorization.h"
#include "app/splash.h"
#include "ui/dialogs.h"

namespace app {

namespace {

const QString kToAccess = QStringLiteral("TECLE # ENTER # PARA  A TELA DE ACESSO");
const QString kToProgram = QStringLiteral("TECLE # ENTER # PARA  ACESSAR O PROGRAMA");

QLabel* bottomLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: white; font-size: 16pt; font-weight: bold;"));
    return label;
}

}  // namespace

TFmTelaEntrar::TFmTelaEntrar(data::Tdm& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      label1_(bottomLabel(QStringLiteral("Label1"), this)),
      label2_(bottomLabel(QStringLiteral("Label2"), this)),
      cancel_(new QPushButton(QStringLiteral("&Cancelar"), this)) {
    setObjectName(QStringLiteral("FmTelaEntrar"));
    setWindowTitle(QStringLiteral("::.. VELMORA - Sistema de Controle Para Salões"));
    setWindowState(Qt::WindowMaximized);
    label2_->setText(kToAccess);
    cancel_->setObjectName(QStringLiteral("BtCancelar"));
    // Enter belongs to the access cycle, never to the cancel button.
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* background = new GradientPanel(this);
    auto* inner = new QVBoxLayout(background);
    inner->addWidget(cancel_, 0, Qt::AlignLeft | Qt::AlignTop);
    inner->addStretch();
    inner->addWidget(label1_);
    inner->addWidget(label2_);
    inner->addSpacing(24);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(background);
}

void TFmTelaEntrar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the screen is up, not from inside its own show.
    QTimer::singleShot(0, this, &TFmTelaEntrar::runAccessCycle);
}

void TFmTelaEntrar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        runAccessCycle();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFmTelaEntrar::runAccessCycle() {
    if (cycleRunning_ || result() == QDialog::Accepted) return;
    cycleRunning_ = true;
    ui::Dialogs& dialogs = ui::Dialogs::current();
    TFmFigura splash(this);
    connect(&splash, &TFmFigura::keyPressed, label2_, &QLabel::clear);
    dialogs.exec(splash);

    TFmAutorizacao authorization(dm_, this);
    const bool authorized = dialogs.exec(authorization) == QDialog::Accepted;
    lastTyped_ = authorization.typedPassword();
    cycleRunning_ = false;
    if (!authorized) {
        label2_->setText(kToAccess);
        return;
    }
    label1_->setText(QStringLiteral("Acesso Permitido!"));
    label2_->setText(kToProgram);
    accept();
}

}  // namespace app

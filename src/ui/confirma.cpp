#include "ui/confirma.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

TFmConfirma::TFmConfirma(const QString& question, QWidget* parent)
    : QDialog(parent),
      label_(new QLabel(question, this)),
      sim_(new QPushButton(QStringLiteral("&Sim"), this)),
      nao_(new QPushButton(QStringLiteral("&Não"), this)) {
    setObjectName(QStringLiteral("FmConfirma"));
    setWindowTitle(QStringLiteral("Confirmação!"));
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);

    sim_->setObjectName(QStringLiteral("BtnSim"));
    nao_->setObjectName(QStringLiteral("BtnNao"));
    sim_->setDefault(true);
    nao_->setAutoDefault(false);
    connect(sim_, &QPushButton::clicked, this, &QDialog::accept);
    // Esc and the close button reject the dialog through QDialog itself.
    connect(nao_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(sim_);
    buttons->addWidget(nao_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    sim_->setFocus();
}

}  // namespace ui

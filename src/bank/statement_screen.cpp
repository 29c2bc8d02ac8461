#include "bank/statement_screen.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bank/account_box.h"
#include "reports/bank_statement.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace bank {

TFmDataExtrato::TFmDataExtrato(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      conta_(new AccountBox(dm, QStringLiteral("Edit1"), QStringLiteral("&C"), QStringLiteral("SpeedButton1"),
                            this)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)) {
    setObjectName(QStringLiteral("TFmDataExtrato"));
    setWindowTitle(QStringLiteral("Extrato Bancário."));
    inicial_->setObjectName(QStringLiteral("DBEdit1"));
    final_->setObjectName(QStringLiteral("DBEdit2"));
    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Nº Conta:"), conta_);
    ui::addLabelledRow(*rows, QStringLiteral("Data Inicial:"), inicial_, QStringLiteral("Data Final:"),
                       final_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    QPushButton* imprimir = ui::addButton(*bar, QStringLiteral("&Imprimir"), QStringLiteral("BitBtn1"));
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn2"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(bar);

    inicial_->installEventFilter(this);
    connect(conta_, &AccountBox::chosen, this, [this] { inicial_->setFocus(Qt::OtherFocusReason); });
    connect(imprimir, &QPushButton::clicked, this, &TFmDataExtrato::imprimir);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    ui::installEnterAsTab(this);
}

bool TFmDataExtrato::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inicial_ && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (ui::leftByUser(reason) || reason == Qt::OtherFocusReason) conta_->lookUp();
    }
    return QDialog::eventFilter(watched, event);
}

void TFmDataExtrato::imprimir() {
    reports::StatementSelection selection{conta_->number(), {}, {}};
    // An impossible date is asked for again like a missing one.
    for (auto [box, date] : {std::pair{inicial_, &selection.start}, std::pair{final_, &selection.end}}) {
        try {
            *date = box->date();
        } catch (const core::DateError&) {
        }
    }
    const bool printed = ui::runGuarded([&] { reports::printStatement(dm_, selection, output_); });
    if (!printed && selection.start.isNull())
        inicial_->setFocus();
    else if (!printed && selection.end.isNull())
        final_->setFocus();
    else
        conta_->setFocus();
}

}  // namespace bank

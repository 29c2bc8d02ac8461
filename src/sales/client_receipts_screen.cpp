#include "sales/client_receipts_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/dm.h"
#include "registers/client_search.h"
#include "reports/receivables_reports.h"
#include "ui/caption_width.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace sales {

TFmReceberBCliente::TFmReceberBCliente(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent), dm_(dm), output_(std::move(output)) {
    setObjectName(QStringLiteral("TFmReceberBCliente"));
    setWindowTitle(QStringLiteral("Relatório de Contas Recebidas - Por Cliente."));
    tables_.open(dm.TbCliente);

    codigo_ = new QLineEdit(this);
    codigo_->setObjectName(QStringLiteral("Edit1"));
    auto* lookup = new QToolButton(this);
    lookup->setObjectName(QStringLiteral("SpeedButton1"));
    lookup->setText(QStringLiteral("&C"));
    lookup->setToolTip(QStringLiteral("Selecionar Cliente"));
    cliente_ = new QLineEdit(this);
    cliente_->setObjectName(QStringLiteral("Edit2"));
    cliente_->setReadOnly(true);  // entering it looks the client up
    from_ = new ui::DateBox(this);
    from_->setObjectName(QStringLiteral("MaskEdit1"));
    to_ = new ui::DateBox(this);
    to_->setObjectName(QStringLiteral("MaskEdit2"));
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    const ui::PrintButtons buttons = ui::addPrintButtons(*bar, *this);
    imprimir_ = buttons.imprimir;

    QFormLayout* rows = ui::labelledRows();
    auto* codeBox = new QWidget(this);
    auto* codeRow = new QHBoxLayout(codeBox);
    codeRow->setContentsMargins(0, 0, 0, 0);
    codeRow->addWidget(codigo_);
    codeRow->addWidget(lookup);
    ui::addLabelledRow(*rows, QStringLiteral("Código:"), codeBox);
    ui::addLabelledRow(*rows, QStringLiteral("Cliente:"), cliente_);
    ui::addLabelledRow(*rows, QStringLiteral("Data Inicial:"), from_);
    ui::addLabelledRow(*rows, QStringLiteral("Data Final:"), to_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(bar);

    setTabOrder(codigo_, cliente_);
    setTabOrder(cliente_, from_);
    setTabOrder(from_, to_);
    setTabOrder(to_, imprimir_);
    setTabOrder(imprimir_, buttons.fechar);
    cliente_->installEventFilter(this);
    // The name shown belongs to the code it was looked up by.
    connect(codigo_, &QLineEdit::textEdited, cliente_, &QLineEdit::clear);
    connect(lookup, &QToolButton::clicked, this, &TFmReceberBCliente::chooseClient);
    connect(imprimir_, &QPushButton::clicked, this, &TFmReceberBCliente::imprimir);
    ui::installEnterAsTab(this);
    codigo_->setFocus();
    ui::keepCaptionWhole(*layout);
}

bool TFmReceberBCliente::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cliente_ && ui::arrivedByMove(event)) clientEntered();
    return QDialog::eventFilter(watched, event);
}

void TFmReceberBCliente::chooseClient() {
    registers::TFmConsCliente search(dm_, this);
    ui::Dialogs::current().exec(search);
    if (dm_.TbCliente.isEmpty()) return;
    codigo_->setText(QString::number(dm_.TbCliente.field("Codigo").asInteger()));
    cliente_->clear();
    codigo_->setFocus();
}

void TFmReceberBCliente::clientEntered() {
    QString name;
    ui::runGuarded([&] {
        bool numeric = false;
        const qlonglong code = codigo_->text().trimmed().toLongLong(&numeric);
        dm_.TbCliente.setIndexName("");
        if (numeric && dm_.TbCliente.findKey({std::int64_t{code}}))
            name = QString::fromStdString(dm_.TbCliente.field("Nome").asString());
    });
    cliente_->setText(name);
    if (!name.isEmpty()) from_->setFocus();
}

void TFmReceberBCliente::imprimir() {
    if (cliente_->text().trimmed().isEmpty()) {
        codigo_->setFocus();
        return ui::Dialogs::current().message(QStringLiteral("Selecione o Cliente Para o Relatório!"));
    }
    const std::optional<core::Period> period =
        ui::readPeriod(*from_, *to_, QStringLiteral("Indique as Datas Inicial e Final"));
    if (!period) return;
    imprimir_->setEnabled(false);
    const std::int64_t code = codigo_->text().trimmed().toLongLong();
    ui::runGuarded([&] { reports::printClientReceipts(dm_, code, *period, output_); });
    imprimir_->setEnabled(true);
}

void showReceberBCliente(data::Tdm& dm) {
    ui::runGuarded([&dm] {
        TFmReceberBCliente screen(dm);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace sales

#include "cash/closing_screen.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/receipt_printer_output.h"
#include "cash/cash_closing.h"
#include "cash/cash_heading.h"
#include "core/format.h"
#include "reports/cash_closing_report.h"
#include "reports/narrow_receipts.h"
#include "ui/db_edit.h"
#include "ui/db_text.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/money_box.h"

namespace cash {

namespace {

QString captionMoney(core::Currency amount) {
    return QString::fromStdString(core::formatMask(amount, core::kCaptionMoneyMask));
}

}  // namespace

TFmFechar::TFmFechar(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent), dm_(dm), output_(std::move(output)), caixa_{dm.TbCaixa, false} {
    setObjectName(QStringLiteral("FmFechar"));
    setWindowTitle(QStringLiteral("Fechamento de Caixa."));
    dm_.TbFuncionario.open();
    // The menu leaves the table on the last period; opened any other way, it gets there too.
    dm_.TbCaixa.open();
    dm_.TbCaixa.last();
    number_ = dm_.TbCaixa.field("Contador").asInteger();

    auto* employee = new ui::DbText(caixa_, "Funcionario", this);
    employee->setObjectName(QStringLiteral("Label1"));
    QFont bold = employee->font();
    bold.setBold(true);
    employee->setFont(bold);

    auto* grid = new QGridLayout;
    // A read-only amount of the period, captioned, at (row, column pair).
    const auto amount = [&](const char* name, const char* field, const QString& caption, int row,
                            int column) {
        auto* edit = new ui::DbEdit(caixa_, field, this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFieldReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        grid->addWidget(new QLabel(caption, this), row, column * 2);
        grid->addWidget(edit, row, column * 2 + 1);
        return edit;
    };
    amount("DBEdit1", "Dinheiro", QStringLiteral("Dinheiro R$"), 0, 0);
    amount("DBEdit2", "Cheque", QStringLiteral("Cheque  R$"), 1, 0);
    amount("DBEdit7", "DinheiroTOTAL", QStringLiteral("Retiradas R$"), 2, 0);
    amount("DBEdit3", "Cartao", QStringLiteral("C. Crédito..........R$"), 0, 1);
    amount("DBEdit8", "Debito", QStringLiteral("C. Débito..........R$"), 1, 1);
    amount("DBEdit4", "TEF", QStringLiteral("Notinhas ..........R$"), 2, 1);

    // The two sums, worked out when the screen first shows.
    const auto sum = [&](const char* name, const QString& caption, int column) {
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(name));
        value->setFont(bold);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(new QLabel(caption + QStringLiteral("  R$"), this), 3, column * 2);
        grid->addWidget(value, 3, column * 2 + 1);
        return value;
    };
    total_ = sum("Label2", QStringLiteral("Total"), 0);
    cashInDrawer_ = sum("Label7", QStringLiteral("Dinheiro"), 1);

    repasse_ = new ui::MoneyBox(this);
    repasse_->setObjectName(QStringLiteral("DBEdit6"));
    grid->addWidget(new QLabel(QStringLiteral("Caixa a Repassar:"), this), 4, 0);
    grid->addWidget(repasse_, 4, 1);
    ui::DbEdit* deposito = amount("DBEdit5", "Deposito", QStringLiteral("Depósito R$"), 4, 1);

    auto* buttons = new QHBoxLayout;
    registrar_ = ui::addButton(*buttons, QStringLiteral("REGISTRAR"), QStringLiteral("BitBtn1"));
    imprimir_ = ui::addButton(*buttons, QStringLiteral("IMPRIMIR"), QStringLiteral("BitBtn3"));
    cancelar_ = ui::addButton(*buttons, QStringLiteral("CANCELAR"), QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    QToolButton* help = addHelpButton(*buttons, QStringLiteral("SpeedButton1"), kClosingHelp);
    imprimir_->setEnabled(false);
    connect(registrar_, &QPushButton::clicked, this, [this] { ui::runGuarded([this] { registrar(); }); });
    connect(imprimir_, &QPushButton::clicked, this, [this] { ui::runGuarded([this] { imprimir(); }); });
    connect(cancelar_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(
        heading(this, QStringLiteral("FECHAMENTO DO CAIXA"), QStringLiteral("SpeedButton12"), kClosingHelp));
    layout->addWidget(employee);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    // "Caixa a Repassar:" first: it is the one value typed here.
    const QWidget* order[] = {repasse_, registrar_, imprimir_, cancelar_, help};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
    deposito->setFocusPolicy(Qt::ClickFocus);
    ui::installEnterAsTab(this);
}

TFmFechar::~TFmFechar() {
    dm_.TbFuncionario.close();
    dm_.TbCaixa.close();
}

void TFmFechar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    store::Table& caixa = dm_.TbCaixa;
    setWindowTitle(QStringLiteral("CAIXA INICIAL - R$ ") +
                   captionMoney(caixa.field("DinheiroDIA").asCurrency()));
    total_->setText(captionMoney(caixa.field("Total").asCurrency()));
    cashInDrawer_->setText(captionMoney(cashInDrawer(dm_)));
    repasse_->setAmount(caixa.field("Repasse").asCurrency());
    repasse_->setFocus();
    repasse_->selectAll();
}

void TFmFechar::registrar() {
    if (!ui::Confirma(QStringLiteral("Realizar o Fechamento?"))) return;
    const bool closedNow = closeCash(dm_, number_, repasse_->amount());
    repasse_->setReadOnly(true);
    // What is stored: the typed repass, or the one of whoever closed the period first.
    repasse_->setAmount(dm_.TbCaixa.field("Repasse").asCurrency());
    if (closedNow) ui::Dialogs::current().message(QStringLiteral("O Caixa Foi Fechado Corretamente!"));
    registrar_->setEnabled(false);
    imprimir_->setEnabled(true);
    cancelar_->setText(QStringLiteral("SAIR"));
    imprimir_->setFocus();
}

void TFmFechar::imprimir() {
    const receipts::PrinterSettings printer = app::receiptPrinter(dm_);
    if (printer.transport == receipts::Transport::None)
        return reports::printCashClosing(dm_, number_, output_);
    app::printOnReceiptPrinter(printer, [&] {
        return reports::cashClosingBytes(dm_, number_, printer, false, reports::PrintedAt::now());
    });
}

void showFechar(data::Tdm& dm) {
    TFmFechar screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace cash

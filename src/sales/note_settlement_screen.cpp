#include "sales/note_settlement_screen.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

#include "app/receipt_printer_output.h"
#include "core/format.h"
#include "data/dm.h"
#include "data/store/posting.h"
#include "registers/client_search.h"
#include "reports/client_notes_report.h"
#include "reports/narrow_receipts.h"
#include "sales/settlement_payment_screen.h"
#include "ui/db_grid.h"
#include "ui/db_memo.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace sales {

namespace {

using core::Currency;

const QString kNoClient = QStringLiteral("Selecione o Cliente Para o Relatório!");
constexpr Currency kLeastBalance = Currency::fromUnits(Currency::kScale / 10);

QString shown(Currency amount) {
    return QString::fromStdString(core::formatMask(amount, core::kCaptionMoneyMask));
}

QLineEdit* box(const char* name, QWidget* parent, bool readOnly = true) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(readOnly);
    if (readOnly) edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

}  // namespace

TFmDataRC::TFmDataRC(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent), dm_(dm), output_(std::move(output)) {
    setObjectName(QStringLiteral("TFmDataRC"));
    setWindowTitle(QStringLiteral("::.. Acerto de Cliente - NOTINHAS"));
    tables_.open(dm.TbReceber);
    tables_.open(dm.TbCliente);
    // Nothing is listed until "&Pesquisar".
    dm.TbReceber.setIndexName("siCodCliente");
    dm.TbReceber.setRange({std::int64_t{-1}}, {std::int64_t{-1}});

    auto* banner = new QLabel(QStringLiteral("ACERTO"), this);
    codigo_ = box("Edit1", this, false);
    auto* lookup = new QToolButton(this);
    lookup->setObjectName(QStringLiteral("SpeedButton1"));
    lookup->setText(QStringLiteral("&C"));
    lookup->setToolTip(QStringLiteral("Selecionar Cliente"));
    cliente_ = box("Edit2", this);
    cliente_->setFocusPolicy(Qt::StrongFocus);  // entering it looks the client up

    auto* bar = new QHBoxLayout;
    pesquisar_ = ui::addButton(*bar, QStringLiteral("&Pesquisar"), QStringLiteral("BitBtn4"));
    recibo_ = ui::addButton(*bar, QStringLiteral("Recibo"), QStringLiteral("BitBtn3"));
    auto* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn2"));

    auto* grid = new ui::DbGrid(dm.TbReceber,
                                {{"DataLan", QStringLiteral("Data")},
                                 {"Documento", QStringLiteral("Número")},
                                 {"Descricao", QStringLiteral("Produtos e Serviços")},
                                 {"Valor", QStringLiteral("Valor R$")}},
                                this);
    grid->setObjectName(QStringLiteral("DBGrid1"));
    auto* memo = new ui::DbMemo(dm.DsReceber, "Servicos", this);
    memo->setObjectName(QStringLiteral("DBMemo1"));
    memo->setReadOnly(true);

    total_ = box("DBEdit1", this);
    pago_ = box("DBEdit2", this, false);
    credito_ = box("DBEdit3", this);
    saldo_ = box("Edit3", this);
    baixar_ = new QPushButton(QStringLiteral("&BAIXAR"), this);
    baixar_->setObjectName(QStringLiteral("BitBtn1"));
    baixar_->setEnabled(false);

    QFormLayout* client = ui::labelledRows();
    auto* codeBox = new QWidget(this);
    auto* codeRow = new QHBoxLayout(codeBox);
    codeRow->setContentsMargins(0, 0, 0, 0);
    codeRow->addWidget(codigo_);
    codeRow->addWidget(lookup);
    ui::addLabelledRow(*client, QStringLiteral("Código:"), codeBox);
    ui::addLabelledRow(*client, QStringLiteral("Cliente:"), cliente_);
    QFormLayout* totals = ui::labelledRows();
    ui::addLabelledRow(*totals, QStringLiteral("Total R$"), total_);
    ui::addLabelledRow(*totals, QStringLiteral("Valor Pago R$"), pago_);
    ui::addLabelledRow(*totals, QStringLiteral("Crédito R$"), credito_);
    ui::addLabelledRow(*totals, QStringLiteral("Saldo R$"), saldo_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(memo, 1);
    bottom->addLayout(totals);
    bottom->addWidget(baixar_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addLayout(client);
    layout->addLayout(bar);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);

    setTabOrder(codigo_, cliente_);
    setTabOrder(cliente_, pesquisar_);
    setTabOrder(pesquisar_, recibo_);
    setTabOrder(recibo_, fechar);
    setTabOrder(fechar, pago_);
    setTabOrder(pago_, baixar_);
    cliente_->installEventFilter(this);
    connect(codigo_, &QLineEdit::textEdited, this, &TFmDataRC::clientChanged);
    connect(lookup, &QToolButton::clicked, this, &TFmDataRC::chooseClient);
    connect(pesquisar_, &QPushButton::clicked, this, &TFmDataRC::pesquisar);
    connect(recibo_, &QPushButton::clicked, this, &TFmDataRC::recibo);
    connect(baixar_, &QPushButton::clicked, this, &TFmDataRC::baixar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    ui::installEnterAsTab(this);
    for (QLineEdit* amount : {total_, pago_, credito_, saldo_}) amount->setText(shown({}));
    codigo_->setFocus();
}

TFmDataRC::~TFmDataRC() {
    try {
        dm_.TbReceber.cancelRange();
        dm_.TbReceber.setIndexName("");
    } catch (const std::exception&) {
        // Closed by the screen tables, or by the next screen that opens it.
    }
}

bool TFmDataRC::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cliente_ && ui::arrivedByMove(event)) clientEntered();
    return QDialog::eventFilter(watched, event);
}

void TFmDataRC::chooseClient() {
    registers::TFmConsCliente search(dm_, this);
    ui::Dialogs::current().exec(search);
    if (dm_.TbCliente.isEmpty()) return;
    codigo_->setText(QString::number(dm_.TbCliente.field("Codigo").asInteger()));
    clientChanged();
    cliente_->setFocus();
}

// Another client: the list, its sums and "&BAIXAR" belong to the one before.
void TFmDataRC::clientChanged() {
    listed_.reset();
    cliente_->clear();
    baixar_->setEnabled(false);
    ui::runGuarded([this] { dm_.TbReceber.setRange({std::int64_t{-1}}, {std::int64_t{-1}}); });
    for (QLineEdit* amount : {total_, pago_, credito_, saldo_}) amount->setText(shown({}));
}

void TFmDataRC::clientEntered() {
    bool found = false;
    ui::runGuarded([&] {
        bool numeric = false;
        const qlonglong code = codigo_->text().trimmed().toLongLong(&numeric);
        dm_.TbCliente.setIndexName("");
        found = numeric && dm_.TbCliente.findKey({std::int64_t{code}});
    });
    if (!found) {
        clientChanged();
        codigo_->setFocus();
        return ui::Dialogs::current().message(QStringLiteral("Não Existe Cliente Com Este Código!"));
    }
    cliente_->setText(QString::fromStdString(dm_.TbCliente.field("Nome").asString()));
    pesquisar_->setFocus();
}

bool TFmDataRC::clientShown() {
    if (!cliente_->text().trimmed().isEmpty()) return true;
    codigo_->setFocus();
    ui::Dialogs::current().message(kNoClient);
    return false;
}

// The client's notes and credit as stored now, read at one moment, and their balance.
bool TFmDataRC::list() {
    Settlement seen;
    Currency owed;
    const bool read = ui::runGuarded([&] {
        store::ConsistentRead moment({&dm_.TbCliente, &dm_.TbReceber});
        seen.clientCode = codigo_->text().trimmed().toLongLong();
        dm_.TbCliente.setIndexName("");
        dm_.TbCliente.findKey({seen.clientCode});
        seen.creditSeen = dm_.TbCliente.field("Saldo").asCurrency();
        reports::restrictToClientNotes(dm_.TbReceber, seen.clientCode);
        for (dm_.TbReceber.first(); !dm_.TbReceber.eof(); dm_.TbReceber.next()) {
            seen.notes.push_back(dm_.TbReceber.field("Contador").asInteger());
            owed += dm_.TbReceber.field("Valor").asCurrency();
        }
        dm_.TbReceber.first();
    });
    if (!read) return false;
    listed_ = seen;
    owed_ = owed;
    total_->setText(shown(owed));
    pago_->setText(shown({}));
    credito_->setText(shown(seen.creditSeen));
    saldo_->setText(shown(owed - seen.creditSeen));
    baixar_->setEnabled(true);
    return true;
}

void TFmDataRC::pesquisar() {
    if (!clientShown() || !list()) return;
    pago_->setFocus();
    pago_->selectAll();
}

void TFmDataRC::recibo() {
    if (!clientShown()) return;
    recibo_->setEnabled(false);
    if (list()) {
        const receipts::PrinterSettings printer = app::receiptPrinter(dm_);
        if (printer.transport == receipts::Transport::None)
            ui::runGuarded([this] { reports::printClientNotes(dm_, listed_->clientCode, output_); });
        else
            app::printOnReceiptPrinter(printer, [&] {
                return reports::clientNotesBytes(dm_, listed_->clientCode, printer, false, reports::PrintedAt::now());
            });
    }
    list();  // the printing let the list go
    recibo_->setEnabled(true);
    codigo_->setFocus();
}

void TFmDataRC::baixar() {
    if (!listed_ || codigo_->text().trimmed().toLongLong() != listed_->clientCode) return clientChanged();
    const Currency paid = Currency::parse(pago_->text().toStdString()).value_or(Currency{});
    if (paid < Currency::fromUnits(100)) {
        pago_->setFocus();
        return ui::Dialogs::current().message(QStringLiteral("Digite o Valor Pago Pelo Cliente!"));
    }
    if (owed_ - listed_->creditSeen < kLeastBalance)
        return ui::Dialogs::current().message(QStringLiteral("Não Existe Saldo Para Baixa!"));
    Settlement settlement = *listed_;
    settlement.paid = paid;
    TFmPagamentoBA payment(dm_, settlement, owed_, this);
    ui::Dialogs::current().exec(payment);
    if (!payment.result()) return;
    list();  // what is left: the shortfall note, if any
    baixar_->setEnabled(false);
    codigo_->setFocus();
}

void showDataRC(data::Tdm& dm) {
    ui::runGuarded([&dm] {
        TFmDataRC screen(dm);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace sales

#include "payables/payables_report_screens.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "registers/supplier_search.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace payables {

TFmDataPagar::TFmDataPagar(data::Tdm& dm, QWidget* parent, reports::ReportOutput output)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)) {
    setObjectName(QStringLiteral("TFmDataPagar"));
    setWindowTitle(QStringLiteral("Relatório - Contas a Pagar."));
    QFormLayout* rows = ui::labelledRows();
    ui::addPeriodRow(*rows, *inicial_, *final_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    imprimir_ = ui::addPrintButtons(*bar, *this).imprimir;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(bar);
    connect(imprimir_, &QPushButton::clicked, this, &TFmDataPagar::imprimir);
    ui::installEnterAsTab(this);
}

void TFmDataPagar::imprimir() {
    const std::optional<core::Period> period =
        ui::readPeriod(*inicial_, *final_, QStringLiteral("Digite as datas inicial e final!"));
    if (!period) return;
    ui::runHeld(*imprimir_, [&] {
        reports::printPayables(dm_, reports::PayablesSelection{reports::Bills::Open, std::nullopt, *period},
                               output_);
    });
}

SupplierBillsScreen::SupplierBillsScreen(data::Tdm& dm, reports::Bills bills, QWidget* parent,
                                         reports::ReportOutput output)
    : QDialog(parent),
      dm_(dm),
      bills_(bills),
      output_(std::move(output)),
      codigo_(new QLineEdit(this)),
      fornecedor_(new QLineEdit(this)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)) {
    codigo_->setObjectName(QStringLiteral("Edit1"));
    codigo_->setMaxLength(10);
    fornecedor_->setObjectName(QStringLiteral("Edit2"));
    fornecedor_->setMaxLength(45);
    fornecedor_->setReadOnly(true);
    for (QLineEdit* box : {codigo_, fornecedor_}) box->setMinimumWidth(ui::contentWidth(*box));
    auto* lookup = new QPushButton(QStringLiteral("&F"), this);
    lookup->setObjectName(QStringLiteral("SpeedButton1"));
    lookup->setFocusPolicy(Qt::NoFocus);
    auto* code = new QWidget(this);
    auto* codeRow = new QHBoxLayout(code);
    codeRow->setContentsMargins(0, 0, 0, 0);
    codeRow->addWidget(codigo_);
    codeRow->addWidget(lookup);

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Código:"), code, QStringLiteral("Fornecedor:"), fornecedor_);
    ui::addPeriodRow(*rows, *inicial_, *final_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    imprimir_ = ui::addButton(*bar, QStringLiteral("&Imprimir"), QStringLiteral("BitBtn1"));
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("Fechar"), QStringLiteral("BitBtn2"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(bar);

    fornecedor_->installEventFilter(this);
    connect(lookup, &QPushButton::clicked, this, &SupplierBillsScreen::chooseSupplier);
    connect(imprimir_, &QPushButton::clicked, this, &SupplierBillsScreen::imprimir);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    ui::installEnterAsTab(this);
}

const char* SupplierBillsScreen::nameField() const {
    return bills_ == reports::Bills::Open ? "NomeFantasia" : "Nome";
}

bool SupplierBillsScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fornecedor_ && event->type() == QEvent::FocusIn &&
        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()) && lookUpSupplier())
        inicial_->setFocus();
    return QDialog::eventFilter(watched, event);
}

// The code typed, looked up as stored now; the name shown is always that code's.
bool SupplierBillsScreen::lookUpSupplier() {
    bool whole = false;
    const qlonglong number = codigo_->text().trimmed().toLongLong(&whole);
    std::string name;
    bool found = false;
    if (!ui::runGuarded([&] {
            store::Table& suppliers = dm_.TbFornec;
            data::OpenedTables open{&suppliers};
            if (!suppliers.indexName().empty()) suppliers.setIndexName({});
            found = whole && suppliers.findKey({store::Value{std::int64_t{number}}});
            if (found) name = suppliers.field(nameField()).asString();
        }))
        return false;
    fornecedor_->setText(QString::fromStdString(name));
    if (found) return true;
    codigo_->setFocus();
    ui::Dialogs::current().message(QStringLiteral("Não Existe Fornecedor Com Este Código!"));
    return false;
}

void SupplierBillsScreen::chooseSupplier() {
    std::optional<std::int64_t> code;
    std::string name;
    ui::runGuarded([&] {
        store::Table& suppliers = dm_.TbFornec;
        data::OpenedTables open{&suppliers};
        registers::TFmConsFornec search(dm_, this);
        ui::Dialogs::current().exec(search);
        if (suppliers.isEmpty()) return;
        code = suppliers.field("Codigo").asInteger();
        name = suppliers.field("Nome").asString();
    });
    if (!code) return;
    codigo_->setText(QString::number(*code));
    fornecedor_->setText(QString::fromStdString(name));
    inicial_->setFocus();
}

void SupplierBillsScreen::imprimir() {
    const std::optional<core::Period> period =
        ui::readPeriod(*inicial_, *final_, QStringLiteral("Indique as Datas Inicial e Final"));
    if (!period || !lookUpSupplier()) return;  // a code changed after its name was shown counts
    const reports::PayablesSelection selection{bills_, codigo_->text().trimmed().toLongLong(), *period};
    ui::runHeld(*imprimir_, [&] { reports::printPayables(dm_, selection, output_); });
}

TFmDataFor::TFmDataFor(data::Tdm& dm, QWidget* parent, reports::ReportOutput output)
    : SupplierBillsScreen(dm, reports::Bills::Open, parent, std::move(output)) {
    setObjectName(QStringLiteral("TFmDataFor"));
    setWindowTitle(QStringLiteral("::.. Pagamentos Por Fornecedor"));
}

TFmDataForBaixado::TFmDataForBaixado(data::Tdm& dm, QWidget* parent, reports::ReportOutput output)
    : SupplierBillsScreen(dm, reports::Bills::Paid, parent, std::move(output)) {
    setObjectName(QStringLiteral("TFmDataForBaixado"));
    setWindowTitle(QStringLiteral("Pagamentos Baixados - Por Fornecedor."));
}

}  // namespace payables

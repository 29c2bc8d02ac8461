#include "sales/stock_entry_query_screen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/stock_entry_report.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/guarded.h"

namespace sales {

namespace {

QPushButton* button(const QString& caption, const char* name, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TFmConsEntrada::TFmConsEntrada(data::Tdm& dm, QWidget* parent, reports::ReportOutput output)
    : QDialog(parent), dm_(dm), output_(std::move(output)) {
    setObjectName(QStringLiteral("TFmConsEntrada"));
    setWindowTitle(QStringLiteral("::.. Consultar Entradas"));
    for (store::Table* table : {&dm.TbEntrada, &dm.TbItemEntrada})
        if (!table->isOpen()) table->open();
    from_ = new ui::DateBox(this);
    from_->setObjectName(QStringLiteral("DataInicial"));
    to_ = new ui::DateBox(this);
    to_->setObjectName(QStringLiteral("DataFinal"));
    auto* byDates = button(QStringLiteral("Pesquisar Entradas"), "BtPesquisarDatas",
                           QStringLiteral("Pesquisar Datas"), this);
    fornecedor_ = new QComboBox(this);
    fornecedor_->setObjectName(QStringLiteral("CbFornecedor"));
    fornecedor_->setMinimumContentsLength(30);
    ui::runGuarded([this] {
        store::Table& fornec = dm_.TbFornec;
        if (!fornec.isOpen()) fornec.open();
        for (fornec.first(); !fornec.eof(); fornec.next())
            fornecedor_->addItem(QString::fromStdString(fornec.field("NomeFantasia").asString()),
                                 QVariant::fromValue(fornec.field("Codigo").asInteger()));
        fornec.first();
    });
    fornecedor_->setCurrentIndex(-1);
    auto* bySupplier = button(QStringLiteral("Pesquisar"), "BtPesquisarFornecedor",
                              QStringLiteral("Pesquisar Por Fornecedor"), this);
    imprimir_ = button(QStringLiteral("&Imprimir"), "BtImprimir", QString(), this);
    imprimir_->setEnabled(false);
    auto* fechar = button(QStringLiteral("&Fechar"), "BtFechar", QStringLiteral("Fechar"), this);

    auto* entries = new ui::DbGrid(dm.TbEntrada,
                                   {{"Data", QStringLiteral("Data")},
                                    {"Nota", QStringLiteral("Nº Nota")},
                                    {"Fornecedor", QStringLiteral("Fornecedor")}},
                                   this);
    entries->setObjectName(QStringLiteral("DBGrid1"));
    auto* lines = new ui::DbGrid(dm.TbItemEntrada,
                                 {{"Descricao", QStringLiteral("Descrição dos Produtos")},
                                  {"Custo", QStringLiteral("Custo R$")},
                                  {"Quant", QStringLiteral("Quant.")},
                                  {"Total", QStringLiteral("Total R$")}},
                                 this);
    lines->setObjectName(QStringLiteral("DBGrid2"));

    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("Data Inicial:"), this));
    dates->addWidget(from_);
    dates->addWidget(new QLabel(QStringLiteral("Data Final:"), this));
    dates->addWidget(to_);
    dates->addWidget(byDates);
    dates->addStretch();
    auto* supplierRow = new QHBoxLayout;
    supplierRow->addWidget(new QLabel(QStringLiteral("Fornecedor:"), this));
    supplierRow->addWidget(fornecedor_, 1);
    supplierRow->addWidget(bySupplier);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    bar->addWidget(imprimir_);
    bar->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addLayout(supplierRow);
    layout->addWidget(entries, 2);
    layout->addWidget(lines, 1);
    layout->addLayout(bar);
    resize(700, 480);

    connect(byDates, &QPushButton::clicked, this, [this] { search('G'); });
    connect(bySupplier, &QPushButton::clicked, this, [this] { search('F'); });
    connect(fornecedor_, &QComboBox::activated, this, &TFmConsEntrada::chooseSupplier);
    connect(imprimir_, &QPushButton::clicked, this, &TFmConsEntrada::print);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    ui::installEnterAsTab(this);
    from_->setFocus();
}

TFmConsEntrada::~TFmConsEntrada() {
    // The entry chosen stays current, on the primary index and no longer restricted.
    ui::runGuarded([this] {
        const std::optional<std::int64_t> chosen = dm_.TbEntrada.bookmark();
        dm_.TbEntrada.setIndexName("");
        if (chosen) dm_.TbEntrada.gotoBookmark(*chosen);
    });
}

std::optional<TFmConsEntrada::Period> TFmConsEntrada::period() {
    if (from_->isEmpty() || to_->isEmpty()) {
        from_->setFocus();
        ui::Dialogs::current().message(QStringLiteral("Digite as datas inicial e final!"));
        return std::nullopt;
    }
    try {
        return Period{from_->date(), to_->date()};
    } catch (const core::DateError& error) {
        ui::Dialogs::current().error(QString::fromUtf8(error.what()));
        return std::nullopt;
    }
}

// The supplier TbFornec stands on: the one chosen in the list, else the first.
std::int64_t TFmConsEntrada::supplier() const {
    return dm_.TbFornec.isEmpty() ? 0 : dm_.TbFornec.field("Codigo").asInteger();
}

void TFmConsEntrada::chooseSupplier(int index) {
    const std::int64_t code = fornecedor_->itemData(index).toLongLong();
    ui::runGuarded([&] {
        dm_.TbFornec.setIndexName("");
        dm_.TbFornec.findKey({code});
    });
}

void TFmConsEntrada::search(char mode) {
    const std::optional<Period> dates = period();
    if (!dates) return;
    imprimir_->setEnabled(true);
    mode_ = mode;
    ui::runGuarded([&] {
        store::Table& entrada = dm_.TbEntrada;
        if (mode == 'G') {
            entrada.setIndexName("siData");
            entrada.setRange({dates->from.toIso()}, {dates->to.toIso()});
        } else {
            entrada.setIndexName("siFOR");
            entrada.setRange({supplier(), dates->from.toIso()}, {supplier(), dates->to.toIso()});
        }
    });
}

void TFmConsEntrada::print() {
    const std::optional<Period> dates = period();
    if (!dates) return;
    const std::optional<std::int64_t> bySupplier = mode_ == 'F' ? std::optional(supplier()) : std::nullopt;
    ui::runGuarded([&] { reports::printStockEntries(dm_, dates->from, dates->to, bySupplier, output_); });
}

}  // namespace sales

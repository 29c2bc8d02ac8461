#include "bank/ledger_query.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "bank/account_box.h"
#include "bank/ledger.h"
#include "data/dm.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace bank {

namespace {

bool openIfClosed(store::Table& table) {
    if (table.isOpen()) return false;
    table.open();
    return true;
}

}  // namespace

TFmConsControle::TFmConsControle(data::Tdm& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      opened_(openIfClosed(dm.TbBanco)),
      conta_(new AccountBox(dm, QStringLiteral("Edit1"), QStringLiteral("..."),
                            QStringLiteral("SpeedButton1"), this)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)),
      documento_(new QRadioButton(QStringLiteral("Documento:"), this)),
      documentoText_(new QLineEdit(this)),
      grid_(new ui::DbGrid(dm.TbBanco,
                           {{"DataApre", QStringLiteral("Data")},
                            {"Conta", QStringLiteral("Conta")},
                            {"Banco", QStringLiteral("Banco")},
                            {"Ndocumento", QStringLiteral("Documento")},
                            {"Discriminacao", QStringLiteral("Histórico")},
                            {"ValorCredito", QStringLiteral("Crédito R$")},
                            {"ValorDebto", QStringLiteral("Débto R$")}},
                           this)) {
    setObjectName(QStringLiteral("TFmConsControle"));
    setWindowTitle(QStringLiteral("Consultar Controle Bancário."));
    documento_->setObjectName(QStringLiteral("RadioButton1"));
    documentoText_->setObjectName(QStringLiteral("Edit2"));
    documentoText_->setMaxLength(15);
    documentoText_->setMinimumWidth(ui::contentWidth(*documentoText_));
    grid_->setObjectName(QStringLiteral("DBGrid1"));

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Conta:"), conta_);
    ui::addPeriodRow(*rows, *inicial_, *final_);
    auto* search = new QHBoxLayout;
    QPushButton* pesquisa = ui::addButton(*search, QStringLiteral("Pesquisar"), QStringLiteral("BitBtn3"));
    search->addWidget(documento_);
    search->addWidget(documentoText_);
    search->addStretch();
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    QPushButton* excluir = ui::addButton(*bar, QStringLiteral("&Excluir"), QStringLiteral("BitBtn1"));
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn2"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(search);
    layout->addWidget(grid_, 1);
    layout->addLayout(bar);

    ui::runGuarded([&dm] { dm.TbBanco.last(); });
    connect(pesquisa, &QPushButton::clicked, this, [this] {
        if (pesquisar()) grid_->setFocus();
    });
    connect(documento_, &QRadioButton::clicked, documentoText_, [this] { documentoText_->setFocus(); });
    connect(documentoText_, &QLineEdit::textChanged, this, &TFmConsControle::findDocument);
    connect(excluir, &QPushButton::clicked, this, &TFmConsControle::excluir);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
}

TFmConsControle::~TFmConsControle() {
    ui::runGuarded([this] {
        store::Table& banco = dm_.TbBanco;
        if (!banco.isOpen()) return;
        banco.cancelRange();
        banco.setIndexName({});
        if (opened_) banco.close();
    });
}

void TFmConsControle::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        inicial_->setDate(core::Date::today());
        final_->setDate(core::Date::today());
    }
    QDialog::changeEvent(event);
}

bool TFmConsControle::pesquisar() {
    const auto period = ui::readPeriod(*inicial_, *final_);
    if (!period) return false;
    const store::Value conta{conta_->number()};
    return ui::runGuarded([&] {
        store::Table& banco = dm_.TbBanco;
        banco.setIndexName("siBancoData");
        banco.setRange({conta, store::Value{period->start.toIso()}},
                       {conta, store::Value{period->end.toIso()}});
    });
}

void TFmConsControle::findDocument(const QString& text) {
    ui::runGuarded([&] {
        store::Table& banco = dm_.TbBanco;
        banco.cancelRange();
        banco.setIndexName("siCheque");
        banco.findNearest({store::Value{text.toStdString()}});
    });
}

void TFmConsControle::excluir() {
    store::Table& banco = dm_.TbBanco;
    if (banco.isEmpty()) return;
    if (!ui::Confirma(QStringLiteral("Excluir o Lançamento?"))) return;
    const std::int64_t numero = banco.field("Numero").asInteger();
    const std::string index = banco.indexName();
    ui::runGuarded([&] { deleteEntry(dm_, numero); });
    // The deletion reads the ledger on its key: the lines shown come back as they were asked.
    if (index == "siBancoData")
        pesquisar();
    else if (index == "siCheque")
        findDocument(documentoText_->text());
}

}  // namespace bank

#include "sales/sale_query_screen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/date_box.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace sales {

TFmConsServico::TFmConsServico(data::Tdm& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmConsServico"));
    setWindowTitle(QStringLiteral("::.. Consultar Serviços"));
    ui::runGuarded([&dm] {
        for (store::Table* table : {&dm.TbServico, &dm.TbItensServico})
            if (!table->isOpen()) table->open();
        dm.TbServico.setIndexName("");
        dm.TbServico.last();
    });

    from_ = new ui::DateBox(this);
    from_->setObjectName(QStringLiteral("MaskEdit1"));
    to_ = new ui::DateBox(this);
    to_->setObjectName(QStringLiteral("MaskEdit2"));
    auto* bar = new QHBoxLayout;
    auto* pesquisar = ui::addButton(*bar, QStringLiteral("&Pesquisar"), QStringLiteral("BitBtn1"));
    auto* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn2"));
    auto* byNumber = new QRadioButton(QStringLiteral("Número:"), this);
    byNumber->setObjectName(QStringLiteral("RadioButton1"));
    numero_ = new QLineEdit(this);
    numero_->setObjectName(QStringLiteral("Edit1"));
    auto* grid = new ui::DbGrid(dm.TbServico,
                                {{"Contador", QStringLiteral("Número")},
                                 {"Data", QStringLiteral("Data")},
                                 {"Cliente", QStringLiteral("Cliente")},
                                 {"Funcioario", QStringLiteral("Funcionário")},
                                 {"Total", QStringLiteral("Total R$")}},
                                this);
    grid->setObjectName(QStringLiteral("DBGrid1"));

    auto* dates = new QGridLayout;
    const auto captioned = [&](const QString& caption, QWidget* box, int column) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        dates->addWidget(label, 0, column);
        dates->addWidget(box, 1, column);
    };
    captioned(QStringLiteral("Data Inicial:"), from_, 0);
    captioned(QStringLiteral("Data Final:"), to_, 1);
    dates->addLayout(bar, 1, 2);
    dates->addWidget(byNumber, 0, 4);
    dates->addWidget(numero_, 1, 4);
    dates->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addWidget(grid, 1);
    resize(640, 420);

    setTabOrder(from_, to_);
    setTabOrder(to_, pesquisar);
    setTabOrder(pesquisar, fechar);
    setTabOrder(fechar, numero_);
    connect(pesquisar, &QPushButton::clicked, this, &TFmConsServico::pesquisar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(byNumber, &QRadioButton::clicked, numero_, qOverload<>(&QWidget::setFocus));
    connect(numero_, &QLineEdit::textChanged, this, &TFmConsServico::searchNumber);
    connect(grid, &ui::DbGrid::chosen, this, &QDialog::accept);
    ui::installEnterAsTab(this);
    from_->setFocus();
}

TFmConsServico::~TFmConsServico() {
    ui::runGuarded([this] {
        store::Table& sale = dm_.TbServico;
        const std::optional<std::int64_t> shown = sale.bookmark();
        sale.cancelRange();
        sale.setIndexName("");
        if (shown) sale.gotoBookmark(*shown);
    });
}

void TFmConsServico::pesquisar() {
    const std::optional<core::Period> period = ui::readPeriod(*from_, *to_);
    if (!period) return;
    ui::runGuarded([&] {
        store::Table& sale = dm_.TbServico;
        sale.setIndexName("siData");
        sale.setRange({period->start.toIso()}, {period->end.toIso()});
    });
}

void TFmConsServico::searchNumber(const QString& text) {
    const QString typed = text.trimmed();
    if (typed.isEmpty()) return;
    bool numeric = false;
    const qlonglong number = typed.toLongLong(&numeric);
    // Letters would otherwise leave the grid on whatever sale it showed, as if found.
    if (!numeric || number < 0) {
        numero_->setFocus();
        return ui::Dialogs::current().message(QStringLiteral("Digite Somente o Número do Lançamento!"));
    }
    ui::runGuarded([&] {
        store::Table& sale = dm_.TbServico;
        sale.cancelRange();
        sale.setIndexName("");
        sale.findNearest({std::int64_t{number}});
    });
}

}  // namespace sales

#include "registers/bank_account_search.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace registers {

TFmConsContas::TFmConsContas(data::Tdm& dm, QWidget* parent)
    : QDialog(parent),
      grid_(new ui::DbGrid(dm.TbConta,
                           {{"Conta", QStringLiteral("Nº da Conta")},
                            {"Banco", QStringLiteral("Nº Banco")},
                            {"Agencia", QStringLiteral("Agência")},
                            {"Nome", QStringLiteral("Nome do Banco")}},
                           this)) {
    setObjectName(QStringLiteral("TFmConsContas"));
    setWindowTitle(QStringLiteral("Consultar Contas Bancárias."));
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    ui::runGuarded([&dm] { dm.TbConta.setIndexName({}); });
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BtnFechar"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(bar);
    connect(grid_, &ui::DbGrid::chosen, this, &QDialog::accept);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<std::string> chooseBankAccount(data::Tdm& dm, QWidget* parent) {
    if (!ui::runGuarded([&dm] {
            if (!dm.TbConta.isOpen()) dm.TbConta.open();
        }))
        return std::nullopt;
    TFmConsContas screen(dm, parent);
    ui::Dialogs::current().exec(screen);
    if (dm.TbConta.isEmpty()) return std::nullopt;
    return dm.TbConta.field("Conta").asString();
}

}  // namespace registers

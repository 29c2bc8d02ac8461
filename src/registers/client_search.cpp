#include "registers/client_search.h"

#include <QBoxLayout>

#include "registers/client_quick_screen.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace registers {
namespace {

ui::SearchSetup clientSearch() {
    return {.caption = QStringLiteral("::.. Consultar Clientes"),
            .radioCaption = QStringLiteral("Nome:"),
            .indexName = "siNome",
            .columns = {{"Nome", QStringLiteral("Nome")},
                        {"Fone", QStringLiteral("Fone")},
                        {"Saldo", QStringLiteral("Crédito")}},
            .upperCase = true,
            .gridOnLeave = true};
}

// The bar of the search screen is the layout that holds its close button.
QBoxLayout* barOf(QDialog& screen, QWidget* closeButton) {
    QLayout* main = screen.layout();
    for (int i = 0; i < main->count(); ++i) {
        auto* bar = qobject_cast<QBoxLayout*>(main->itemAt(i)->layout());
        if (bar != nullptr && bar->indexOf(closeButton) >= 0) return bar;
    }
    return qobject_cast<QBoxLayout*>(main);
}

}  // namespace

TFmConsCliente::TFmConsCliente(data::Tdm& dm, QWidget* parent)
    : SearchScreen(dm.TbCliente, clientSearch(), parent) {
    setObjectName(QStringLiteral("TFmConsCliente"));
}

TFmConsClienteNO::TFmConsClienteNO(data::Tdm& dm, QWidget* parent)
    : SearchScreen(dm.TbCliente, clientSearch(), parent),
      dm_(dm),
      novo_(new QPushButton(QStringLiteral("&Novo"), this)) {
    setObjectName(QStringLiteral("TFmConsClienteNO"));
    novo_->setObjectName(QStringLiteral("BtnNovo"));
    barOf(*this, closeButton())->insertWidget(0, novo_);
    connect(novo_, &QPushButton::clicked, this, &TFmConsClienteNO::novo);
}

void TFmConsClienteNO::novo() {
    {
        TFmClientesNO quick(dm_, this);
        ui::Dialogs::current().exec(quick);
    }
    accept();
}

void chooseClient(data::Tdm& dm, QWidget* parent) {
    if (!ui::runGuarded([&dm] {
            if (!dm.TbCliente.isOpen()) dm.TbCliente.open();
        }))
        return;
    TFmConsClienteNO screen(dm, parent);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers

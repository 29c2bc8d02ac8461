#include "registers/client_search.h"

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
    addBarButton(novo_);
    connect(novo_, &QPushButton::clicked, this, &TFmConsClienteNO::novo);
}

void TFmConsClienteNO::novo() {
    {
        TFmClientesNO quick(dm_, this);
        ui::Dialogs::current().exec(quick);
    }
    accept();
}

bool chooseClient(data::Tdm& dm, QWidget* parent) {
    if (!ui::runGuarded([&dm] {
            if (!dm.TbCliente.isOpen()) dm.TbCliente.open();
        }))
        return false;
    TFmConsClienteNO screen(dm, parent);
    return ui::Dialogs::current().exec(screen) == QDialog::Accepted && !dm.TbCliente.isEmpty();
}

}  // namespace registers

#include "registers/client_quick_screen.h"

#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace registers {

TFmClientesNO::TFmClientesNO(data::Tdm& dm, QWidget* parent)
    : ClientFormScreen(dm,
                       {.caption = QStringLiteral("::.. Cadastro de Clientes"),
                        .withCredit = false,
                        .buttonSet = {.alterar = false, .consultar = false}},
                       parent) {
    setObjectName(QStringLiteral("TFmClientesNO"));
    const ui::RegisterButtons& buttons = allButtons();
    // Connected before the register's own "&Novo", so the table is ready when it inserts.
    connect(buttons.novo, &QPushButton::clicked, this, &TFmClientesNO::prepareInsert);
    ui::RegisterButtons wired = buttons;
    wired.excluir = nullptr;
    setButtons(wired);
    connect(buttons.gravar, &QPushButton::clicked, this, [this] {
        if (!isEditing()) accept();
    });
    connect(buttons.excluir, &QPushButton::clicked, this, &TFmClientesNO::cancelar);
}

// The caller's search keeps TbCliente open; it stays open here too, so a caller never finds
// its client table closed behind its back. The insert works on the primary index.
void TFmClientesNO::prepareInsert() {
    ui::runGuarded([this] {
        if (!table().isOpen()) table().open();
        table().setIndexName({});
    });
}

void TFmClientesNO::cancelar() {
    if (!ui::Confirma(QStringLiteral("Deseja Cancelar o Cliente?"))) return;
    ui::runGuarded([this] {
        if (table().isOpen() && table().isEditing()) table().cancel();
    });
    setEditing(false);
    accept();
}

}  // namespace registers

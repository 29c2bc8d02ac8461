#include "registers/client_screen.h"

#include "app/access.h"
#include "data/access_areas.h"
#include "registers/client_history.h"
#include "registers/client_search.h"
#include "ui/dialogs.h"

namespace registers {

namespace {}  // namespace

TFmClientes::TFmClientes(data::Tdm& dm, QWidget* parent)
    : ClientFormScreen(dm,
                       {.caption = QStringLiteral("Controle de Clientes"),
                        .deleteQuestion = QStringLiteral("Deseja Excluir Este Cliente?")},
                       parent) {
    setObjectName(QStringLiteral("TFmClientes"));
    tables().open(dm.TbCliente);
    historico_ = new QPushButton(QStringLiteral("&Histórico"), this);
    historico_->setObjectName(QStringLiteral("BtnHistorico"));
    // Before the stretch that keeps "&Fechar" apart at the end of the bar.
    buttonBar()->insertWidget(buttonBar()->indexOf(allButtons().fechar) - 1, historico_);
    ui::RegisterButtons wired = allButtons();
    wired.excluir = nullptr;  // wired below: it also tells the user the client is gone
    setButtons(wired);
    connect(allButtons().excluir, &QPushButton::clicked, this, &TFmClientes::excluirCliente);
    connect(historico_, &QPushButton::clicked, this, &TFmClientes::historico);
}

bool TFmClientes::mayChange() {
    return app::accessCheck(dm(), data::area::kAlterarCliente);
}

bool TFmClientes::mayDelete() {
    return app::accessCheck(dm(), data::area::kExcluirCliente);
}

void TFmClientes::excluirCliente() {
    const auto before = table().isOpen() ? table().recordCount() : 0;
    excluir();
    if (table().isOpen() && table().recordCount() < before)
        ui::Dialogs::current().message(QStringLiteral("O Cliente Escolhido Foi Excluído!"));
}

void TFmClientes::search() {
    TFmConsCliente screen(dm(), this);
    ui::Dialogs::current().exec(screen);
}

void TFmClientes::historico() {
    TFmHistorico screen(dm(), this);
    ui::Dialogs::current().exec(screen);
}

void showClientes(data::Tdm& dm) {
    TFmClientes screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers

#include "registers/client_screen.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/access.h"
#include "data/access_areas.h"
#include "registers/client_anonymise.h"
#include "registers/client_export.h"
#include "registers/client_history.h"
#include "registers/client_search.h"
#include "reports/engine/output_error.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace registers {

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

    // The client's privacy rights, on a row of their own under the register's bar.
    exportar_ = new QPushButton(QStringLiteral("Exportar Dados do Cliente"), this);
    exportar_->setObjectName(QStringLiteral("BtnExportar"));
    anonimizar_ = new QPushButton(QStringLiteral("Anonimizar Cliente"), this);
    anonimizar_->setObjectName(QStringLiteral("BtnAnonimizar"));
    auto* privacy = new QHBoxLayout;
    privacy->addWidget(exportar_);
    privacy->addWidget(anonimizar_);
    privacy->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(privacy);
    connect(exportar_, &QPushButton::clicked, this, &TFmClientes::exportar);
    connect(anonimizar_, &QPushButton::clicked, this, &TFmClientes::anonimizar);
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

bool TFmClientes::clientChosen() {
    if (isEditing()) {
        ui::Dialogs::current().message(kClientEditingRefusal);
        return false;
    }
    return table().isOpen() && !table().isEmpty();
}

void TFmClientes::anonimizar() {
    if (!clientChosen() || !app::accessCheck(dm(), data::area::kExcluirCliente)) return;
    if (!ui::Confirma(QStringLiteral("Deseja Anonimizar Este Cliente? Nome, Endereço, Telefones, E-mail e "
                                     "Fotografias Serão Apagados Definitivamente.")))
        return;
    const std::int64_t code = table().field("Codigo").asInteger();
    if (ui::runGuarded([&] { anonymiseClient(dm(), code); }))
        ui::Dialogs::current().message(QStringLiteral("O Cliente Foi Anonimizado!"));
}

void TFmClientes::exportar() {
    if (!clientChosen()) return;
    const QString folder =
        ui::Dialogs::current().chooseDirectory(QStringLiteral("Pasta Para os Dados do Cliente"), QString());
    if (folder.isEmpty()) return;
    const std::int64_t code = table().field("Codigo").asInteger();
    try {
        if (ui::runGuarded([&] { exportClientData(dm(), code, folder.toStdString()); }))
            ui::Dialogs::current().message(QStringLiteral("Dados do Cliente Gravados em ") + folder);
    } catch (const reports::OutputError& error) {
        ui::Dialogs::current().error(QString::fromStdString(error.what()));
    }
}

void showClientes(data::Tdm& dm) {
    TFmClientes screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers

#include "registers/supplier_screen.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/access.h"
#include "data/access_areas.h"
#include "registers/supplier_search.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace registers {

namespace {

const QString kEditing = QStringLiteral("Registro em Edição! Grave ou Exclua o Registro.");

}  // namespace

TFmFornecedores::TFmFornecedores(data::Tdm& dm, QWidget* parent)
    : SupplierForm(dm,
                   {.editingRefusal = kEditing,
                    .saveQuestion = QStringLiteral("Grava o Fornecedor?"),
                    .changeQuestion = QStringLiteral("Alterar o Fornecedor?"),
                    .deleteQuestion = QStringLiteral("Deseja Excluir Este Fornecedor?"),
                    .gravarOnlyWhileEditing = false},
                   parent) {
    setObjectName(QStringLiteral("TFmFornecedores"));
    QVBoxLayout* layout = buildForm();
    auto* arrows = new QHBoxLayout;
    QPushButton* anterior = ui::addButton(*arrows, QStringLiteral("◀"), QStringLiteral("BtnAnterior"));
    QPushButton* proximo = ui::addButton(*arrows, QStringLiteral("▶"), QStringLiteral("BtnProximo"));
    arrows->addStretch();
    auto* bar = new QHBoxLayout;
    ui::RegisterButtons buttons = ui::addRegisterButtons(*bar);
    buttons.excluir->setText(QStringLiteral("&Exclui"));
    buttons.fechar->setText(QStringLiteral("Fechar"));
    layout->addLayout(arrows);
    layout->addLayout(bar);
    setButtons(buttons);
    // "&Novo" posts the new supplier at once, unlike the pattern's own "&Novo".
    disconnect(buttons.novo, &QPushButton::clicked, this, nullptr);
    connect(buttons.novo, &QPushButton::clicked, this, &TFmFornecedores::novoFornecedor);
    disconnect(buttons.excluir, &QPushButton::clicked, this, nullptr);
    connect(buttons.excluir, &QPushButton::clicked, this, &TFmFornecedores::exclui);
    connect(anterior, &QPushButton::clicked, this, [this] { step(false); });
    connect(proximo, &QPushButton::clicked, this, [this] { step(true); });
    ui::installEnterAsTab(this);
}

void TFmFornecedores::novoFornecedor() {
    ui::runGuarded([this] { table().cancel(); });
    novo();
    if (table().state() != store::TableState::Insert) return;
    ui::runGuarded([this] {
        ui::postRecord(table());
        table().edit();
    });
}

void TFmFornecedores::exclui() {
    if (table().isEmpty()) return;
    int before = 0;
    ui::runGuarded([&] { before = table().recordCount(); });
    excluir();
    int after = before;
    ui::runGuarded([&] { after = table().recordCount(); });
    // Only a delete that happened is announced.
    if (after < before)
        ui::Dialogs::current().message(QStringLiteral("O Fornecedor Escolhido Foi Excluído!"));
}

void TFmFornecedores::step(bool forward) {
    if (isEditing()) return ui::Dialogs::current().message(kEditing);
    ui::runGuarded([&] {
        if (forward) {
            table().next();
        } else {
            table().prior();
        }
    });
}

bool TFmFornecedores::mayChange() {
    return app::accessCheck(dm(), data::area::kAlterarFornecedor);
}

bool TFmFornecedores::mayDelete() {
    return app::accessCheck(dm(), data::area::kExcluirFornecedor);
}

void TFmFornecedores::search() {
    TFmConsFornec screen(dm(), this);
    ui::Dialogs::current().exec(screen);
}

void showFornecedores(data::Tdm& dm) {
    TFmFornecedores screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers

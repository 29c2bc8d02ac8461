#include "registers/supplier_quick_screen.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "data/register_rules.h"
#include "ui/db_edit.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace registers {

TFmFornecedoresPG::TFmFornecedoresPG(data::Tdm& dm, QWidget* parent)
    : SupplierForm(dm, {.editingRefusal = QStringLiteral("Registro em Edição! Grave ou Cancela o Registro.")},
                   parent) {
    setObjectName(QStringLiteral("TFmFornecedoresPG"));
    QVBoxLayout* layout = buildForm();
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    gravar_ = ui::addButton(*bar, QStringLiteral("&Gravar"), QStringLiteral("BtnGravar"));
    QPushButton* cancelar = ui::addButton(*bar, QStringLiteral("&Cancelar"), QStringLiteral("BtnCancelar"));
    layout->addLayout(bar);
    ui::RegisterButtons buttons;
    buttons.gravar = gravar_;
    setButtons(buttons);
    // The shared "&Gravar" posts; closing follows here.
    connect(gravar_, &QPushButton::clicked, this, [this] {
        if (!isEditing()) {
            saved_ = true;
            accept();
        }
    });
    connect(cancelar, &QPushButton::clicked, this, &TFmFornecedoresPG::cancelar);
    ui::installEnterAsTab(this);
    // It starts on its new record, made at once.
    ui::runGuarded([this] {
        store::Table& fornec = table();
        fornec.setIndexName({});
        fornec.cancel();
        const std::int64_t code = data::nextCode(fornec);
        fornec.insert();
        fornec.field("Codigo").setInteger(code);
        fornec.post();
        fornec.edit();
        setEditing(true);
        nome()->setFocus();
    });
}

void TFmFornecedoresPG::cancelar() {
    if (!ui::Confirma(QStringLiteral("Cancelar o Lançamento?"))) return;
    ui::runGuarded([this] {
        store::Table& fornec = table();
        if (fornec.isEditing()) fornec.cancel();
        if (!fornec.isEmpty()) fornec.deleteRecord();
    });
    setEditing(false);
    accept();
}

}  // namespace registers

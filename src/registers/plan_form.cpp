#include "registers/plan_form.h"

#include <QLabel>

#include "core/text.h"
#include "ui/db_edit.h"
#include "ui/dialogs.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace registers {

PlanFields addPlanFields(data::Tdm& dm, QWidget& screen, QVBoxLayout& layout) {
    auto* heading = new QLabel(QStringLiteral("PLANO DE CONTAS"), &screen);
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    PlanFields fields{new ui::DbEdit(dm.DsPlano, "Codigo", &screen),
                      new ui::DbEdit(dm.DsPlano, "Descricao", &screen)};
    fields.codigo->setObjectName(QStringLiteral("DBEdit1"));
    fields.descricao->setObjectName(QStringLiteral("DBEdit2"));
    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Codigo"), fields.codigo);
    ui::addLabelledRow(*rows, QStringLiteral("Descrição do Plano de Contas"), fields.descricao);
    layout.addWidget(heading, 0, Qt::AlignHCenter);
    layout.addLayout(rows);
    return fields;
}

bool savePlan(data::Tdm& dm, const PlanFields& fields) {
    store::Table& plano = dm.TbPlano;
    bool saved = false;
    ui::runGuarded([&] {
        ui::writeControls(plano);
        if (!plano.isEditing() && plano.isEmpty()) return;
        if (core::trimmed(plano.field("Codigo").asString()).empty()) {
            ui::Dialogs::current().message(QStringLiteral("O Código Não Pode Ser Em Branco!"));
            fields.codigo->setFocus();
            return;
        }
        if (!ui::Confirma(QStringLiteral("Grava o Registro?"))) return;
        if (!plano.isEditing()) plano.edit();
        plano.field("SubCodigo").setValue(plano.field("Codigo").value());
        ui::postRecord(plano);
        saved = true;
    });
    return saved;
}

}  // namespace registers

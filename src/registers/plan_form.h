#pragma once
// What the chart-of-accounts register and the quick heading screen share: their heading,
// their two fields, and the save of a heading.
#include <QVBoxLayout>

#include "data/dm.h"

namespace ui {
class DbEdit;
}

namespace registers {

struct PlanFields {
    ui::DbEdit* codigo = nullptr;     // "Codigo"
    ui::DbEdit* descricao = nullptr;  // "Descrição do Plano de Contas"
};

// The heading "PLANO DE CONTAS" and the two fields, added to `layout`.
PlanFields addPlanFields(data::Tdm& dm, QWidget& screen, QVBoxLayout& layout);

// "Grava o Registro?" and, on yes, the save: SubCodigo follows Codigo. A heading without a
// code is refused (it could never be typed in a bill) and focuses the code. A code already
// taken is refused by the table's own hook. True when the heading was saved.
bool savePlan(data::Tdm& dm, const PlanFields& fields);

}  // namespace registers

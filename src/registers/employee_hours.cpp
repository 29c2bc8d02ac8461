#include "registers/employee_hours.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "registers/employee_hour_rule.h"
#include "ui/db_grid.h"
#include "ui/db_mask_edit.h"
#include "ui/dialogs.h"
#include "ui/field_binding.h"
#include "ui/guarded.h"

namespace registers {

EmployeeHours::EmployeeHours(data::Tdm& dm, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      grid_(new ui::DbGrid(dm.TbHora, {{"Hora", QStringLiteral("Hora")}}, this)),
      hora_(new ui::DbMaskEdit(dm.DsHora, "Hora", this)),
      incluir_(new QPushButton(QStringLiteral("Incluir Horário"), this)),
      employee_(dm.TbFuncionario, [this](store::TableEvent) { updateEnabled(); }) {
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    hora_->setObjectName(QStringLiteral("EdHora"));
    incluir_->setObjectName(QStringLiteral("BtnIncluiHora"));
    incluir_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Horários Agenda"), this));
    layout->addWidget(grid_, 1);
    layout->addWidget(hora_);
    layout->addWidget(incluir_);

    connect(incluir_, &QPushButton::clicked, this, &EmployeeHours::addHour);
    connect(hora_, &QLineEdit::editingFinished, this, &EmployeeHours::postHour);
    updateEnabled();
}

void EmployeeHours::updateEnabled() {
    // A row needs a saved employee to belong to.
    const store::Table& employee = dm_.TbFuncionario;
    incluir_->setEnabled(employee.isOpen() && !employee.isEmpty() &&
                         employee.state() != store::TableState::Insert);
}

void EmployeeHours::addHour() {
    if (!incluir_->isEnabled()) return;
    postHour();
    if (dm_.TbHora.isEditing()) return;  // the row being typed was refused
    ui::runGuarded([this] {
        dm_.TbHora.append();  // the master link gives Codigo, the counter hook Ordem
        hora_->setFocus();
    });
}

void EmployeeHours::postHour() {
    store::Table& hours = dm_.TbHora;
    if (!hours.isEditing()) return;
    ui::runGuarded([this, &hours] {
        ui::writeControls(hours);
        switch (checkHour(hours.field("Hora").asString())) {
            case HourCheck::Valid:
                return hours.post();
            case HourCheck::Blank:
                // A new row left empty is dropped rather than kept as an empty slot.
                if (hours.state() == store::TableState::Insert) return hours.cancel();
                break;
            case HourCheck::Invalid:
                break;
        }
        ui::Dialogs::current().message(kInvalidHour);
        hora_->setFocus();
    });
}

}  // namespace registers

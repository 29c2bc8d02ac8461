#pragma once
// "Horários Agenda": the appointment times of the current employee (TbHora, a detail of
// TbFuncionario), in slot-number order. "Incluir Horário" adds a row for the employee, the
// time is typed through the field's mask, and the row is posted as soon as the time field
// is left. Equal times are allowed: the appointment book simply offers the slot twice. A
// time that is not a real hour keeps the row open with a message; a new row left blank
// is dropped.
#include <QWidget>

#include "data/dm.h"
#include "ui/table_subscription.h"

class QPushButton;

namespace ui {
class DbGrid;
class DbMaskEdit;
}  // namespace ui

namespace registers {

inline const QString kInvalidHour = QStringLiteral("Horário Inválido! Digite a hora como 09:30.");

class EmployeeHours : public QWidget {
    Q_OBJECT
  public:
    explicit EmployeeHours(data::Tdm& dm, QWidget* parent = nullptr);

    ui::DbGrid* grid() const { return grid_; }
    ui::DbMaskEdit* hourEdit() const { return hora_; }
    QPushButton* addButton() const { return incluir_; }

    void addHour();
    // Posts the row being typed, if any, once its time is a real hour.
    void postHour();

  private:
    void updateEnabled();

    data::Tdm& dm_;
    ui::DbGrid* grid_;
    ui::DbMaskEdit* hora_;
    QPushButton* incluir_;
    ui::TableSubscription employee_;
};

}  // namespace registers

#pragma once
// The bank-account picker "Consultar Contas Bancárias.": a read-only list of TbConta in
// account order; a double click or the button closes it with that account current.
#include <QDialog>

#include "data/dm.h"

namespace ui {
class DbGrid;
}

namespace registers {

class TFmConsContas : public QDialog {
    Q_OBJECT
  public:
    explicit TFmConsContas(data::Tdm& dm, QWidget* parent = nullptr);
    ui::DbGrid* grid() const { return grid_; }

  private:
    ui::DbGrid* grid_;
};

// The picker run modally (TbConta is opened if closed and stays open): the number of the
// account chosen, or nothing when there is none.
std::optional<std::string> chooseBankAccount(data::Tdm& dm, QWidget* parent = nullptr);

}  // namespace registers

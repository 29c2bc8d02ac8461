#pragma once
// "Consulta de Contas a  Pagar.": the open bills by due date, found by period or by document,
// and the settlement panel that pays the bill chosen. A double click closes the screen with
// that bill current in TbPagar, for the entry screen to alter or delete.
#include <cstdint>
#include <optional>

#include "core/currency.h"

#include "payables/bills_query.h"

class QComboBox;
class QGroupBox;

namespace ui {
class MoneyBox;
}

namespace payables {

class TFmConsPagar : public BillsQuery {
    Q_OBJECT
  public:
    explicit TFmConsPagar(data::Tdm& dm, QWidget* parent = nullptr);

  private:
    void baixaPagamento();
    void registrar();
    void cancelar();
    void showBankName();

    QGroupBox* panel_;
    QComboBox* formaPG_;
    QLineEdit* conta_;
    QLineEdit* banco_;
    ui::MoneyBox* valor_;
    ui::DateBox* dataPG_;
    QLineEdit* chequePG_;
    std::int64_t bill_ = 0;               // the bill the panel pays
    std::optional<core::Currency> seen_;  // its amount as shown
};

}  // namespace payables

#pragma once
// "Contas a Pagar." (RETIRADA DINHEIRO): cash taken out of the drawer to pay something,
// recorded as a paid bill and added to the open cash's withdrawals.
#include "payables/bill_form.h"

namespace payables {

class TFmPagarDH : public BillForm {
    Q_OBJECT
  public:
    explicit TFmPagarDH(data::Tdm& dm, QWidget* parent = nullptr);

  private:
    void novo();
    void gravar();
    void excluir();
    void setEntering(bool entering);

    QPushButton* novo_;
    QPushButton* excluir_;
};

void showPagarDH(data::Tdm& dm);

}  // namespace payables

#pragma once
// The quick supplier screen of the payables' supplier search: it starts on a new supplier,
// saved empty at once; "&Gravar" saves it and closes, "&Cancelar" deletes it and closes.
// Closing otherwise while it is open is refused.
#include "registers/supplier_form.h"

namespace registers {

class TFmFornecedoresPG : public SupplierForm {
    Q_OBJECT
  public:
    explicit TFmFornecedoresPG(data::Tdm& dm, QWidget* parent = nullptr);

    void cancelar();
    bool saved() const { return saved_; }

  protected:
    bool mayPick() const override { return true; }

  private:
    QPushButton* gravar_ = nullptr;
    bool saved_ = false;
};

}  // namespace registers

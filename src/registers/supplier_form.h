#pragma once
// The supplier's fields, shared by the supplier register and the quick supplier screen of
// the payables: the code is checked when the user leaves it, the eighth digit of the CEP
// moves on to "U.F.:", "&P" picks the default chart-of-accounts heading and entering
// "Plano de Contas:" looks the typed heading code up.
#include "data/dm.h"
#include "ui/register_screen.h"

namespace ui {
class DbEdit;
}

namespace registers {

class SupplierForm : public ui::RegisterScreen {
    Q_OBJECT
  public:
    ui::DbEdit* codigo() const { return codigo_; }
    ui::DbEdit* nome() const { return nome_; }
    ui::DbEdit* cep() const { return cep_; }
    ui::DbEdit* estado() const { return estado_; }
    ui::DbEdit* codPlano() const { return codPlano_; }
    ui::DbEdit* plano() const { return plano_; }
    ui::DbEdit* email() const { return email_; }

    // "&P": the heading search; the heading chosen becomes the supplier's. Only while
    // `mayPick()`; a quick heading that was not saved leaves the code as it was.
    void pickPlan();

  protected:
    SupplierForm(data::Tdm& dm, ui::RegisterSetup setup, QWidget* parent);
    // Adds the heading and the fields; the screen adds its own buttons below them.
    QVBoxLayout* buildForm();
    virtual bool mayPick() const { return isEditing(); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    data::Tdm& dm() const { return dm_; }

  private:
    void checkCode();
    void lookUpPlan();
    void followCep();

    data::Tdm& dm_;
    ui::DbEdit* codigo_ = nullptr;
    ui::DbEdit* nome_ = nullptr;
    ui::DbEdit* cep_ = nullptr;
    ui::DbEdit* estado_ = nullptr;
    ui::DbEdit* codPlano_ = nullptr;
    ui::DbEdit* plano_ = nullptr;
    ui::DbEdit* email_ = nullptr;
};

}  // namespace registers

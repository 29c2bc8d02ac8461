#pragma once
// The quick heading screen "Cadastro de Plano de Contas." that the heading search offers: it
// starts on a new empty heading, "&Gravar" saves it and closes; a heading not saved is
// dropped when the screen goes.
#include <QDialog>

#include "data/dm.h"
#include "registers/plan_form.h"

class QPushButton;

namespace registers {

class TFmPlanoNO : public QDialog {
    Q_OBJECT
  public:
    explicit TFmPlanoNO(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmPlanoNO() override;

    const PlanFields& fields() const { return fields_; }
    QPushButton* gravarButton() const { return gravar_; }
    bool saved() const { return saved_; }
    void gravar();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    data::Tdm& dm_;
    PlanFields fields_;
    QPushButton* gravar_ = nullptr;
    bool saved_ = false;
};

}  // namespace registers

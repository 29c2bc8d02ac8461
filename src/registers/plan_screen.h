#pragma once
// The chart-of-accounts register "::.. Cadastro de Plano de Contas". It has no editing
// state: no button is ever disabled and closing is never refused; a heading marked in Marca
// can be neither changed nor deleted. TbPlano stays open after the screen.
#include <QDialog>

#include "data/dm.h"
#include "registers/plan_form.h"
#include "ui/form_layout.h"

namespace registers {

class TFmPlano : public QDialog {
    Q_OBJECT
  public:
    explicit TFmPlano(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmPlano() override;

    const PlanFields& fields() const { return fields_; }
    const ui::RegisterButtons& buttons() const { return buttons_; }

    void novo();
    void gravar();
    void excluir();
    void alterar();
    void consultar();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The refusal for a protected heading, before any password is asked.
    bool isProtected(const QString& refusal);

    data::Tdm& dm_;
    PlanFields fields_;
    ui::RegisterButtons buttons_;
};

void showPlano(data::Tdm& dm);

}  // namespace registers

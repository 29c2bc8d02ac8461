#pragma once
// The bank-account register "Cadastro de Contas Bancárias.". Typing into a field of an
// account edits it; no button changes state and closing is never refused (a pending change
// is dropped).
#include <QDialog>

#include "data/dm.h"
#include "ui/form_layout.h"

namespace ui {
class DbEdit;
}

namespace registers {

class TFmCadContas : public QDialog {
    Q_OBJECT
  public:
    explicit TFmCadContas(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmCadContas() override;

    const ui::RegisterButtons& buttons() const { return buttons_; }
    ui::DbEdit* conta() const { return conta_; }

    void novo();
    void gravar();
    void exclui();
    void consultar();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    data::Tdm& dm_;
    ui::RegisterButtons buttons_;
    ui::DbEdit* conta_ = nullptr;
    ui::DbEdit* data01_ = nullptr;
    bool opened_ = false;
};

void showCadContas(data::Tdm& dm);

}  // namespace registers

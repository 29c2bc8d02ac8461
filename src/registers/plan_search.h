#pragma once
// The chart-of-accounts search "Consulta de Plano de Contas.": by description (selected at
// start) or by the beginning of the code; any key typed in the grid, Enter included, closes
// it with the row under the cursor chosen. "&Nova Conta" creates a heading on the spot
// through TFmPlanoNO. On return the chosen (or new) heading is the current TbPlano record.
#include <optional>
#include <string>

#include <QPushButton>

#include "data/dm.h"
#include "ui/search_screen.h"

namespace registers {

class TFmConsPlano : public ui::SearchScreen {
    Q_OBJECT
  public:
    explicit TFmConsPlano(data::Tdm& dm, QWidget* parent = nullptr);

    QPushButton* novaContaButton() const { return novaConta_; }
    // Shows the quick heading screen, then closes this search whatever came of it.
    void novaConta();
    // "&Nova Conta" was used and no heading was saved there: nothing was chosen.
    bool newHeadingCancelled() const { return newHeadingCancelled_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    data::Tdm& dm_;
    QPushButton* novaConta_;
    bool newHeadingCancelled_ = false;
};

// The heading search run modally for a screen that picks a heading (TbPlano is opened if
// closed). The code of the heading chosen, or nothing when none was: an empty chart, or a
// quick heading that was not saved.
std::optional<std::string> choosePlan(data::Tdm& dm, QWidget* parent = nullptr);

}  // namespace registers

#pragma once
// The employee search screen: type-ahead by name over TbFuncionario. On return the chosen
// employee is the current TbFuncionario record; the caller keeps the table open.
#include "data/dm.h"
#include "ui/search_screen.h"

namespace registers {

class TFmConsFunc : public ui::SearchScreen {
    Q_OBJECT
  public:
    explicit TFmConsFunc(data::Tdm& dm, QWidget* parent = nullptr);
};

// Shows TFmConsFunc modally; TbFuncionario must be open.
void showConsFunc(data::Tdm& dm);

}  // namespace registers

#pragma once
// The client searches "::.. Consultar Clientes": the register's own, and the one the sales,
// payment, credit and appointment screens use, which can also create a client on the spot.
// Either leaves the chosen (or new) client as the current TbCliente record.
#include <QPushButton>

#include "data/dm.h"
#include "ui/search_screen.h"

namespace registers {

class TFmConsCliente : public ui::SearchScreen {
    Q_OBJECT
  public:
    explicit TFmConsCliente(data::Tdm& dm, QWidget* parent = nullptr);
};

class TFmConsClienteNO : public ui::SearchScreen {
    Q_OBJECT
  public:
    explicit TFmConsClienteNO(data::Tdm& dm, QWidget* parent = nullptr);

    QPushButton* novoButton() const { return novo_; }
    // Shows the quick client screen, then closes this search whatever came of it.
    void novo();

  private:
    data::Tdm& dm_;
    QPushButton* novo_;
};

// The search with creation, run modally, for the screens that pick a client. TbCliente is
// opened if it was closed and stays open for the caller, on the client chosen or created.
// False when the search was closed without choosing (Esc, the window's close) or the register
// is empty: the current client is then nobody's choice.
bool chooseClient(data::Tdm& dm, QWidget* parent = nullptr);

}  // namespace registers

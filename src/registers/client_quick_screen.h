#pragma once
// "::.. Cadastro de Clientes": creates one client from a client search and always closes
// itself afterwards, saved or cancelled, leaving TbCliente open on the new client (or on
// the client that was current) for the screen that searched.
#include "registers/client_form_screen.h"

namespace registers {

class TFmClientesNO : public ClientFormScreen {
    Q_OBJECT
  public:
    explicit TFmClientesNO(data::Tdm& dm, QWidget* parent = nullptr);

    // Asks, drops the client being typed (nothing of it is stored) and closes.
    void cancelar();

  private:
    void prepareInsert();
};

}  // namespace registers

#pragma once
// The client register "Controle de Clientes".
#include <QPushButton>

#include "registers/client_form_screen.h"

namespace registers {

class TFmClientes : public ClientFormScreen {
    Q_OBJECT
  public:
    explicit TFmClientes(data::Tdm& dm, QWidget* parent = nullptr);

    QPushButton* historicoButton() const { return historico_; }
    void historico();

    QPushButton* anonimizarButton() const { return anonimizar_; }
    QPushButton* exportarButton() const { return exportar_; }
    void anonimizar();
    void exportar();

  protected:
    bool mayChange() override;
    bool mayDelete() override;
    void search() override;

  private:
    void excluirCliente();

    // Whether the screen shows a client an action can be taken on; says why not when it does not.
    bool clientChosen();

    QPushButton* historico_;
    QPushButton* anonimizar_;
    QPushButton* exportar_;
};

// Opens the register modally: the menu's "&Clientes..." and the "Clientes" button.
void showClientes(data::Tdm& dm);

}  // namespace registers

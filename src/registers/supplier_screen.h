#pragma once
// The supplier register "Cadastro de Fornecedores.". "&Novo" saves an empty supplier at once
// and edits it; the screen stays in editing until "&Gravar" or "&Exclui".
#include "registers/supplier_form.h"

namespace registers {

class TFmFornecedores : public SupplierForm {
    Q_OBJECT
  public:
    explicit TFmFornecedores(data::Tdm& dm, QWidget* parent = nullptr);

    void novoFornecedor();
    // "&Exclui" of the pattern, announcing the delete once done.
    void exclui();
    // The arrow buttons: previous or next supplier, only while browsing.
    void step(bool forward);

  protected:
    bool mayChange() override;
    bool mayDelete() override;
    void search() override;
};

void showFornecedores(data::Tdm& dm);

}  // namespace registers

#pragma once
// TFmProdutos: the catalogue of products and services. No "&Alterar": typing into an item
// edits it, and "&Gravar", the arrow buttons and "&Consultar" save that edit. The stock
// field stays read-only until "Estoque" is authorized, because stock normally changes only
// through stock entries and sales.
#include <cstdint>
#include <optional>

#include "data/dm.h"
#include "registers/product_rules.h"
#include "ui/register_screen.h"

class QCheckBox;

namespace ui {
class DbComboBox;
class DbEdit;
}  // namespace ui

namespace registers {

class TFmProdutos : public ui::RegisterScreen {
    Q_OBJECT
  public:
    explicit TFmProdutos(data::Tdm& dm, QWidget* parent = nullptr);

  protected:
    bool validate() override;
    void setDerivedFields() override;
    bool mayDelete() override;
    void search() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildForm();
    QWidget* fieldFor(ProductField field) const;
    // Validations, Grupo from the check box, post; no question. False when a check failed.
    bool saveCurrent();
    void step(bool forward);
    void rememberSavedCode();
    void showPromotion();
    bool promotionDiffers();
    void unlockEstoque();
    void checkCode();

    data::Tdm& dm_;
    ui::DbEdit* codigo_ = nullptr;
    ui::DbEdit* descricao_ = nullptr;
    ui::DbEdit* valor_ = nullptr;
    ui::DbEdit* custo_ = nullptr;
    ui::DbComboBox* tipo_ = nullptr;
    ui::DbEdit* saida_ = nullptr;
    ui::DbEdit* estoque_ = nullptr;
    ui::DbEdit* comissao_ = nullptr;
    QCheckBox* promocao_ = nullptr;
    // The code of the item "&Gravar" is posting; kept once the post has gone through.
    std::optional<std::int64_t> postingCode_;
};

// Opens the catalogue modally (menu entry "Cadastro de Produtos e Serviços...").
void showProdutos(data::Tdm& dm);

}  // namespace registers

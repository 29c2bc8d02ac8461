#pragma once
// TFmConsProduto: the product and service search. The catalogue, the ticket screen, the
// appointment book and the stock entry open it to pick an item; when it closes, the item
// chosen is TbProdutos' current record. TbProdutos must already be open.
#include "data/dm.h"
#include "ui/search_screen.h"

namespace registers {

class TFmConsProduto : public ui::SearchScreen {
    Q_OBJECT
  public:
    explicit TFmConsProduto(data::Tdm& dm, QWidget* parent = nullptr);
};

// Shows TFmConsProduto modally; TbProdutos is left on the item chosen.
void showConsProduto(data::Tdm& dm);

}  // namespace registers

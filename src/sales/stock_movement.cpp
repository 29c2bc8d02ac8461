#include "sales/stock_movement.h"

#include "core/text.h"
#include "data/store/table.h"

namespace sales {

void addToStock(store::Table& produtos, std::int64_t code, double quantity, StockedItems items) {
    produtos.setIndexName("");  // by code, whatever index a search screen left
    if (!produtos.findKey({code})) return;
    if (items == StockedItems::ProductsOnly && core::trimmed(produtos.field("Tipo").asString()) != "PRODUTO")
        return;
    produtos.editExisting();
    produtos.field("Estoque").setFloat(produtos.field("Estoque").asFloat() + quantity);
    produtos.post();
}

}  // namespace sales

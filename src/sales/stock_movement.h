#pragma once
// A sale's products leave the stock when it is paid and come back when it is deleted.
#include <cstdint>

namespace store {
class Table;
}

namespace sales {

// Which catalogue items a movement reaches: sales move products only, while a delivery
// counts whatever item it names, services included.
enum class StockedItems { ProductsOnly, AnyItem };

// Inside a posting over TbProdutos: adds `quantity` (negative to take out) to the stock of
// the catalogue item `code`, under its lock, when it is of the kind `items` reaches; codes
// no longer in the catalogue are left alone.
void addToStock(store::Table& produtos, std::int64_t code, double quantity,
                StockedItems items = StockedItems::ProductsOnly);

}  // namespace sales

#pragma once
// The rows the main window's own report items put in front of their report: each opens its
// table, selects what the report lists, lets the report preview run, and leaves the table
// closed on its primary index without range or filter, so the next screen sees every row.
#include <QString>

#include <functional>

namespace data {
class Tdm;
}

namespace app {

enum class PriceTable { Servicos, Produtos, ProdutosEServicos };

// The title the price-table report prints: "TABELA DE PREÇO SERVIÇOS" and so on.
QString priceTableTitle(PriceTable kind);

// TbProdutos on siTipo, filtered to one item type for Servicos and Produtos.
void withPriceTable(data::Tdm& dm, PriceTable kind, const std::function<void(const QString& title)>& preview);

// TbReceber on siData, ranged from 01/01/2000 to 01/01/2050.
void withReceivables(data::Tdm& dm, const std::function<void()>& preview);

// TbCliente on siNome.
void withClientListing(data::Tdm& dm, const std::function<void()>& preview);

}  // namespace app

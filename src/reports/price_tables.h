#pragma once
// "Tabelas de Preços e Estoque": the catalogue price tables QrProduto (without stock) and
// QrProdutoA (with stock) over TbProdutos.
#include <string>

#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

enum class PriceTable {
    Servicos,           // "Serviços...": only SERVIÇO items
    Produtos,           // "Produtos...": only PRODUTO items, with stock
    ProdutosEServicos,  // "Produtos e Serviços...": everything
};

// `title` is what the menu stored for the report's title label.
Report priceTableReport(data::Tdm& dm, std::string title, bool withStock);

// Opens TbProdutos with the entry's filter on its type index, hands the report to
// `output`, then leaves TbProdutos unfiltered, on its primary index and closed.
void printPriceTable(data::Tdm& dm, PriceTable which, const ReportOutput& output);
// The menu entries.
void previewPriceTable(data::Tdm& dm, PriceTable which);

}  // namespace reports

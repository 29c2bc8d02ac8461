#include "app/report_selections.h"

#include <string>

#include "app/scoped_table.h"
#include "data/dm.h"

namespace app {

QString priceTableTitle(PriceTable kind) {
    switch (kind) {
        case PriceTable::Servicos:
            return QStringLiteral("TABELA DE PREÇO SERVIÇOS");
        case PriceTable::Produtos:
            return QStringLiteral("TABELA DE PREÇO PRODUTOS");
        case PriceTable::ProdutosEServicos:
            break;
    }
    return QStringLiteral("TABELA DE PREÇO PRODUTOS E SERVIÇOS");
}

void withPriceTable(data::Tdm& dm, PriceTable kind,
                    const std::function<void(const QString& title)>& preview) {
    ScopedTable produtos(dm.TbProdutos, "siTipo");
    if (kind != PriceTable::ProdutosEServicos) {
        produtos->setFilter(kind == PriceTable::Servicos ? "Tipo = 'SERVIÇO'" : "Tipo = 'PRODUTO'");
        produtos->setFiltered(true);
    }
    preview(priceTableTitle(kind));
}

void withReceivables(data::Tdm& dm, const std::function<void()>& preview) {
    ScopedTable receber(dm.TbReceber, "siData");
    receber->setRange({std::string("2000-01-01")}, {std::string("2050-01-01")});
    preview();
}

void withClientListing(data::Tdm& dm, const std::function<void()>& preview) {
    ScopedTable cliente(dm.TbCliente, "siNome");
    preview();
}

}  // namespace app

#pragma once
// A five-item sale as the sales screen leaves it for its payment, on the demo salon: what the
// benchmarks of a sale's payment share.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/dm.h"
#include "data/messages.h"
#include "data/rows.h"

// A message from the data module means the benchmark is not measuring what it says.
class MessagesAsErrors final : public data::Messages {
  public:
    void inform(const std::string& text) override { throw std::runtime_error(text); }
};

// Five of the demo catalogue's products, by code.
inline std::vector<std::int64_t> fiveProducts(data::Tdm& dm) {
    std::vector<std::int64_t> codes;
    dm.TbProdutos.open();
    for (dm.TbProdutos.first(); !dm.TbProdutos.eof() && codes.size() < 5; dm.TbProdutos.next())
        if (dm.TbProdutos.field("Tipo").asString() == "PRODUTO")
            codes.push_back(dm.TbProdutos.field("Codigo").asInteger());
    if (codes.size() < 5) throw std::runtime_error("o salão de demonstração tem menos de 5 produtos");
    return codes;
}

// The cash record the payments go into, open.
inline void openCash(data::Tdm& dm) {
    dm.TbCaixa.open();
    data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", "ABERTO"}});
}

// The sale in progress, one of each product, its items stored (TbServico and TbItensServico
// open).
inline void startSale(data::Tdm& dm, const std::vector<std::int64_t>& products) {
    dm.TbServico.insert();
    dm.TbServico.field("CodFun").setInteger(1);
    for (std::int64_t code : products)
        data::addRow(dm.TbItensServico,
                     {{"Codigo", code}, {"Tipo", "PRODUTO"}, {"Porcentagem", 1.0}, {"Total", 10.0}});
}

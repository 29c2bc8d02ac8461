#include "registers/product_rules.h"

#include "core/text.h"
#include "data/store/table.h"

namespace registers {

namespace {

// Anything below ten centavos is a price the user forgot to type.
constexpr core::Currency kMinimumPrice = core::Currency::fromUnits(core::Currency::kScale / 10);

}  // namespace

bool onPromotion(std::string_view grupo) {
    return core::trimmed(grupo) == kPromocao;
}

std::optional<ProductProblem> checkProduct(const ProductValues& item) {
    if (core::trimmed(item.descricao).empty())
        return ProductProblem{ProductField::Descricao,
                              QStringLiteral("Digite a Descrição do Produto ou Serviço!")};
    if (item.tipo != "PRODUTO" && item.tipo != "SERVIÇO")
        return ProductProblem{ProductField::Tipo,
                              QStringLiteral("Selecione o Tipo: PRODUTO ou SERVIÇO com o Mouse ou Teclado!")};
    if (item.valor < kMinimumPrice)
        return ProductProblem{ProductField::Valor, QStringLiteral("Digite o Valor do Produto ou Serviço!")};
    if (item.custo < kMinimumPrice)
        return ProductProblem{ProductField::Custo,
                              QStringLiteral("Digite o Valor de Promoção do Produto ou Serviço!")};
    return std::nullopt;
}

ProductValues productValues(store::Table& produtos) {
    return {produtos.field("Descricao").asString(), produtos.field("Tipo").asString(),
            produtos.field("Valor").asCurrency(), produtos.field("Custo").asCurrency()};
}

bool productCodeOnFile(const store::Table& produtos, std::int64_t code) {
    store::Table reader(produtos.database(), produtos.definition(), produtos.name());
    reader.open();
    return reader.findKey({store::Value{code}});
}

}  // namespace registers

// What decides whether a catalogue item may be saved, on plain values.
#include <gtest/gtest.h>

#include "registers/product_rules.h"

namespace {

using registers::ProductField;

core::Currency reais(double value) {
    return core::Currency::fromDouble(value);
}

registers::ProductValues valid() {
    return {"CORTE FEMININO", "SERVIÇO", reais(45), reais(40)};
}

struct Case {
    const char* name;
    registers::ProductValues item;
    std::optional<ProductField> refused;
};

TEST(ProductRules, EachCheckRefusesInOrderAndNamesItsField) {
    auto with = [](auto change) {
        registers::ProductValues item = valid();
        change(item);
        return item;
    };
    const Case cases[] = {
        {"valid service", valid(), std::nullopt},
        {"valid product", with([](auto& i) { i.tipo = "PRODUTO"; }), std::nullopt},
        {"empty description", with([](auto& i) { i.descricao = ""; }), ProductField::Descricao},
        {"blank description", with([](auto& i) { i.descricao = "   "; }), ProductField::Descricao},
        {"no type", with([](auto& i) { i.tipo = ""; }), ProductField::Tipo},
        {"type in lower case", with([](auto& i) { i.tipo = "produto"; }), ProductField::Tipo},
        {"type without cedilla", with([](auto& i) { i.tipo = "SERVICO"; }), ProductField::Tipo},
        {"price 0.09", with([](auto& i) { i.valor = reais(0.09); }), ProductField::Valor},
        {"price 0.10", with([](auto& i) { i.valor = reais(0.10); }), std::nullopt},
        {"negative price", with([](auto& i) { i.valor = reais(-5); }), ProductField::Valor},
        {"promotional price 0.09", with([](auto& i) { i.custo = reais(0.09); }), ProductField::Custo},
        {"promotional price 0.10", with([](auto& i) { i.custo = reais(0.10); }), std::nullopt},
        {"no promotional price", with([](auto& i) { i.custo = core::Currency(); }), ProductField::Custo},
        {"everything missing", registers::ProductValues{}, ProductField::Descricao},
        {"type before price", with([](auto& i) {
             i.tipo = "X";
             i.valor = core::Currency();
         }),
         ProductField::Tipo},
        {"price before promotion", with([](auto& i) {
             i.valor = core::Currency();
             i.custo = core::Currency();
         }),
         ProductField::Valor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto problem = registers::checkProduct(c.item);
        ASSERT_EQ(problem.has_value(), c.refused.has_value());
        if (problem) {
            EXPECT_EQ(problem->field, *c.refused);
        }
    }
}

TEST(ProductRules, MessagesNameWhatIsMissing) {
    registers::ProductValues item = valid();
    item.custo = core::Currency();
    EXPECT_EQ(registers::checkProduct(item)->message,
              QStringLiteral("Digite o Valor de Promoção do Produto ou Serviço!"));
    item.tipo = "";
    EXPECT_EQ(registers::checkProduct(item)->message,
              QStringLiteral("Selecione o Tipo: PRODUTO ou SERVIÇO com o Mouse ou Teclado!"));
}

TEST(ProductRules, OnlySimMeansOnPromotion) {
    EXPECT_TRUE(registers::onPromotion("SIM"));
    EXPECT_TRUE(registers::onPromotion("SIM   "));
    EXPECT_FALSE(registers::onPromotion(""));
    EXPECT_FALSE(registers::onPromotion("NAO"));
    EXPECT_FALSE(registers::onPromotion("sim"));
}

}  // namespace

// The item entry of a sale without the screen: look-ups, checks, totals, removal, cancelling.
#include <gtest/gtest.h>

#include "sales/sale_items.h"
#include "sales/sale_lifecycle.h"
#include "sales/sales_fixture.h"

namespace salestest {
namespace {

class SaleItemsTest : public SalesTest {
  protected:
    SaleItemsTest() { sales::startSale(dm); }

    // The employee and item codes typed and looked up, as the screen does on Enter.
    sales::ItemLookup lookUp(std::int64_t code, std::int64_t employee = kAna, bool promotion = false) {
        sale().field("CodFun").setInteger(employee);
        EXPECT_EQ(sales::lookUpEmployee(dm), std::nullopt);
        sale().field("Codigo").setInteger(code);
        sales::ItemLookupResult found = sales::lookUpItem(dm, promotion);
        EXPECT_EQ(found.problem, std::nullopt);
        return found.item.value_or(sales::ItemLookup{});
    }

    void add(std::int64_t code, const char* value = nullptr, std::int64_t quantity = 1) {
        const sales::ItemLookup item = lookUp(code);
        if (value) sale().field("Valor").setCurrency(reais(value));
        sale().field("CodTipo").setInteger(quantity);
        ASSERT_EQ(sales::addItem(dm, item), std::nullopt);
    }
};

TEST_F(SaleItemsTest, DiscountIsComparedInFixedPointAgainstTheLookedUpPrice) {
    const struct {
        const char* value;
        bool accepted;
    } cases[] = {{"45,00", true}, {"44,99", false}, {"60,00", true}, {"50,00", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const sales::ItemLookup item = lookUp(1);
        sale().field("Valor").setCurrency(reais(c.value));
        const auto problem = sales::addItem(dm, item);
        if (c.accepted) {
            EXPECT_EQ(problem, std::nullopt);
        } else {
            EXPECT_EQ(problem, (sales::EntryProblem{
                                   sales::EntryBox::Value,
                                   "O Desconto Está Acima do Permitido! Desconto Máximo de R$ 5,00"}));
        }
    }
    EXPECT_EQ(saleTotal(), reais("155,00"));
    EXPECT_EQ(items().recordCount(), 3);
}

TEST_F(SaleItemsTest, APriceOverriddenThroughAlterarValorLeavesOneRowOfTheTrailWithBothPrices) {
    const struct {
        const char* value;
        bool unlocked;
    } items[] = {{"60,00", true}, {"50,00", true}, {"45,00", false}};  // CORTE costs 50,00
    for (const auto& item : items) {
        const sales::ItemLookup looked = lookUp(1);
        sale().field("Valor").setCurrency(reais(item.value));
        sale().field("CodTipo").setInteger(2);
        ASSERT_EQ(sales::addItem(dm, looked, item.unlocked), std::nullopt);
    }
    const auto trail = testsupport::auditTrail(dataSet());
    ASSERT_EQ(trail.size(), 1u) << "the same price, or a discount typed without unlocking, is no override";
    EXPECT_EQ(trail[0].acao, "Alteração de Preço");
    EXPECT_EQ(trail[0].tabela, "TbItensServico");
    EXPECT_NE(trail[0].resumo.find("de R$ 50,00 para R$ 60,00 (2 x)"), std::string::npos) << trail[0].resumo;
}

TEST_F(SaleItemsTest, CommissionIsTheItemsOwnWhenAboveZeroElseTheEmployees) {
    const struct {
        std::int64_t item;
        std::int64_t employee;
        double commission;
    } cases[] = {{1, kAna, 40}, {1, kBruno, 25}, {3, kAna, 30}, {3, kBruno, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item * 100 + c.employee);
        const sales::ItemLookup item = lookUp(c.item, c.employee);
        EXPECT_EQ(sale().field("COM").asFloat(), c.commission);
        ASSERT_EQ(sales::addItem(dm, item), std::nullopt);
        items().last();
        EXPECT_EQ(items().field("Comissao").asCurrency(), core::Currency::fromDouble(c.commission));
        EXPECT_EQ(items().field("CodFun").asInteger(), c.employee);
    }
}

TEST_F(SaleItemsTest, ChecksRunInOrderValueQuantityCommissionDiscount) {
    const struct {
        const char* value;
        std::int64_t quantity;
        double commission;
        sales::EntryBox box;
        const char* message;
    } cases[] = {
        {"0,09", 0, 0.05, sales::EntryBox::Value, "Digite o Valor do Serviço Prestado!"},
        {"0,10", 0, 0.05, sales::EntryBox::Quantity, "Digite a Quantidade do Produto ou Serviço!"},
        {"0,10", 1, 0.05, sales::EntryBox::Commission, "Indique o Porcentagem da Comissão!"},
        {"0,10", 1, 0.10, sales::EntryBox::Value,
         "O Desconto Está Acima do Permitido! Desconto Máximo de R$ 5,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const sales::ItemLookup item = lookUp(1);
        sale().field("Valor").setCurrency(reais(c.value));
        sale().field("CodTipo").setInteger(c.quantity);
        sale().field("COM").setFloat(c.commission);
        EXPECT_EQ(sales::addItem(dm, item), (sales::EntryProblem{c.box, c.message}));
    }
    EXPECT_EQ(items().recordCount(), 0);
    EXPECT_EQ(saleTotal(), core::Currency{});
}

TEST_F(SaleItemsTest, QuantityTimesValueIsTheItemTotalAndTheWorkingFieldsEmpty) {
    add(2, nullptr, 3);
    EXPECT_EQ(items().field("Total").asCurrency(), reais("37,50"));
    EXPECT_EQ(items().field("Porcentagem").asFloat(), 3.0);
    EXPECT_EQ(items().field("Tipo").asString(), "PRODUTO");
    EXPECT_EQ(items().field("Descricao").asString(), "XAMPU");
    EXPECT_EQ(items().field("Contador").asInteger(), sale().field("Contador").asInteger());
    EXPECT_EQ(items().field("Cliente").asString(), "NÃO INDICADO...");
    EXPECT_EQ(saleTotal(), reais("37,50"));
    EXPECT_EQ(saleSubTotal(), reais("37,50"));
    for (const char* field : {"Codigo", "Descricao", "Valor", "CodTipo"})
        EXPECT_TRUE(sale().field(field).isNull()) << field;
    EXPECT_EQ(sale().field("COM").asFloat(), 0.0);
}

TEST_F(SaleItemsTest, RemovingAnItemTakesOffExactlyItsTotalAndStockNeverMoves) {
    add(2, nullptr, 3);  // 37,50
    add(1, "45,55");
    add(2);  // 12,50
    EXPECT_EQ(saleTotal(), reais("95,55"));
    items().first();
    items().next();  // the 45,55
    sales::removeCurrentItem(dm);
    EXPECT_EQ(saleTotal(), reais("50,00"));
    EXPECT_EQ(saleSubTotal(), reais("50,00"));
    EXPECT_EQ(items().recordCount(), 2);
    for (items().first(); sales::hasItems(dm); items().first()) sales::removeCurrentItem(dm);
    EXPECT_TRUE(saleTotal().isZero());
    EXPECT_TRUE(saleSubTotal().isZero());
    EXPECT_EQ(stockOf(2), 10.0);
    sale().field("CodFun").setInteger(kAna);
    EXPECT_EQ(
        sales::prepareForPayment(dm),
        (sales::EntryProblem{sales::EntryBox::ItemCode, "Não Houve Lançamento de Produtos ou Serviços!"}));
}

TEST_F(SaleItemsTest, CodeLookUpUsesThePrimaryIndexWhateverTheSearchLeftSelected) {
    dm.TbProdutos.setIndexName("siDescricao");
    dm.TbProdutos.findNearest({store::Value{std::string("XAMPU")}});
    const sales::ItemLookup item = lookUp(1);
    EXPECT_EQ(item.descricao, "CORTE");
    EXPECT_EQ(item.price, reais("50,00"));
}

TEST_F(SaleItemsTest, LookUpProblems) {
    sale().field("CodFun").setInteger(99);
    EXPECT_EQ(sales::lookUpEmployee(dm),
              (sales::EntryProblem{sales::EntryBox::Employee, "Não Existe Funcionário Com Este Código!"}));

    sale().field("CodFun").setInteger(0);
    sale().field("Codigo").setInteger(77);
    EXPECT_EQ(
        sales::lookUpItem(dm, false).problem,
        (sales::EntryProblem{sales::EntryBox::ItemCode, "Não Existe Produto ou Serviço Com Este Código!"}));
    sale().field("Codigo").setInteger(1);
    EXPECT_EQ(sales::lookUpItem(dm, false).problem,
              (sales::EntryProblem{sales::EntryBox::Employee,
                                   "Para Serviços é Obrigatório Selecionar o Funcionário!"}));
    // A product needs no employee until the sale is finished.
    sale().field("Codigo").setInteger(2);
    EXPECT_TRUE(sales::lookUpItem(dm, false).item.has_value());
}

TEST_F(SaleItemsTest, PromotionPricesEveryItemAtItsPromotionalPriceEvenZero) {
    sales::ItemLookup item = lookUp(1, kAna, true);
    EXPECT_EQ(sale().field("Valor").asCurrency(), reais("45,00"));
    EXPECT_EQ(sales::addItem(dm, item), std::nullopt);
    item = lookUp(3, kAna, true);
    EXPECT_EQ(sales::addItem(dm, item),
              (sales::EntryProblem{sales::EntryBox::Value, "Digite o Valor do Serviço Prestado!"}));
}

TEST_F(SaleItemsTest, ALookUpIsStaleOnceTheCodeOrTheEmployeeChanged) {
    const sales::ItemLookup item = lookUp(1);
    EXPECT_FALSE(sales::lookupIsStale(dm, item));
    sale().field("Codigo").setInteger(2);
    EXPECT_TRUE(sales::lookupIsStale(dm, item));
    sale().field("Codigo").setInteger(1);
    sale().field("CodFun").setInteger(kBruno);
    EXPECT_TRUE(sales::lookupIsStale(dm, item));
}

TEST_F(SaleItemsTest, CancellingDeletesTheItemsAndNeverStoresTheSale) {
    add(2);
    add(1);
    const std::int64_t number = sale().field("Contador").asInteger();
    sales::cancelSale(dm);
    EXPECT_EQ(storedItems(), 0);
    EXPECT_FALSE(dm.TbServico.isOpen());
    dm.TbServico.open();
    EXPECT_EQ(dm.TbServico.recordCount(), 0);
    EXPECT_EQ(stockOf(2), 10.0);
    sales::startSale(dm);
    EXPECT_GT(sale().field("Contador").asInteger(), number);  // the number is not given back
}

TEST_F(SaleItemsTest, PreparingForPaymentNeedsAnEmployeeAndWritesTheClientOnEveryItem) {
    sale().field("CodFun").setInteger(0);
    sale().field("Codigo").setInteger(2);
    const sales::ItemLookup product = sales::lookUpItem(dm, false).item.value();
    sale().field("COM").setFloat(10);
    ASSERT_EQ(sales::addItem(dm, product), std::nullopt);
    EXPECT_EQ(sales::prepareForPayment(dm),
              (sales::EntryProblem{sales::EntryBox::Employee, "Selecione o Funcionário Para o Lançamento!"}));
    add(1);
    sale().field("CodCliente").setInteger(5);
    sale().field("Cliente").setString("MARIA");
    ASSERT_EQ(sales::prepareForPayment(dm), std::nullopt);
    EXPECT_EQ(sale().field("PGTotal").asCurrency(), reais("62,50"));
    int count = 0;
    for (items().first(); !items().eof(); items().next(), ++count)
        EXPECT_EQ(items().field("Cliente").asString(), "MARIA");
    EXPECT_EQ(count, 2);
}

}  // namespace
}  // namespace salestest

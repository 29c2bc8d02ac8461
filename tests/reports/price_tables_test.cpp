// Price tables over the demo catalogue: which items each entry lists, in type groups, and
// the catalogue left closed and unfiltered afterwards.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "demo_fixture.h"
#include "page_text.h"
#include "reports/price_tables.h"

namespace {

using reports::PriceTable;
using reportstest::allLines;
using Lines = std::vector<std::string>;

class PriceTablesTest : public reportstest::SalonTest {
  protected:
    PriceTablesTest() {
        dm.TbProdutos.open();
        data::addRow(dm.TbProdutos, {{"Codigo", std::int64_t{21}},
                                     {"Descricao", "KIT PRESENTE"},
                                     {"Tipo", "KIT"},
                                     {"Valor", 99.0},
                                     {"Estoque", 2.5}});
        dm.TbProdutos.close();
    }

    // The detail lines: those that start with an item code.
    Lines rows() {
        Lines result;
        for (const auto& line : allLines(model))
            if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) &&
                line.find(" | ") != std::string::npos)
                result.push_back(line);
        return result;
    }

    void run(PriceTable which) {
        reports::printPriceTable(dm, which, keep([&] { EXPECT_EQ(dm.TbProdutos.indexName(), "siTipo"); }));
        ASSERT_EQ(shown, 1);
        EXPECT_FALSE(dm.TbProdutos.isOpen());
        EXPECT_EQ(dm.TbProdutos.indexName(), "");
        dm.TbProdutos.open();
        EXPECT_EQ(dm.TbProdutos.recordCount(), 21);  // the next screen sees every item
        dm.TbProdutos.close();
    }
};

TEST_F(PriceTablesTest, ServicesListOnlyServicesWithoutStock) {
    run(PriceTable::Servicos);
    const Lines lines = allLines(model);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4),
              (Lines{"Pág.: | 1", "Studio Bella Forma", "TABELA DE PREÇO SERVIÇOS",
                     "CÓD. | DESCRIÇÃO | VALOR R$"}));
    const Lines items = rows();
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items.front(), "1 | CORTE FEMININO | 60,00");
    EXPECT_EQ(items[5], "6 | MECHAS | 220,00");
    EXPECT_EQ(items.back(), "12 | LIMPEZA DE PELE | 90,00");
}

TEST_F(PriceTablesTest, ProductsListOnlyProductsWithStock) {
    run(PriceTable::Produtos);
    EXPECT_EQ(allLines(model)[2], "TABELA DE PREÇO PRODUTOS");
    EXPECT_EQ(allLines(model)[3], "CÓD. | DESCRIÇÃO | ESTOQUE | VALOR R$");
    const Lines items = rows();
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items.front(), "13 | SHAMPOO 300ML | 24 | 32,90");
    EXPECT_EQ(items.back(), "20 | TINTURA 45G | 40 | 19,90");
}

TEST_F(PriceTablesTest, EverythingComesInTypeGroupsAndOddTypesOnlyHere) {
    run(PriceTable::ProdutosEServicos);
    EXPECT_EQ(allLines(model)[2], "TABELA DE PREÇO PRODUTOS E SERVIÇOS");
    const Lines items = rows();
    ASSERT_EQ(items.size(), 21u);
    EXPECT_EQ(items[0], "21 | KIT PRESENTE | 99,00");   // KIT
    EXPECT_EQ(items[1], "13 | SHAMPOO 300ML | 32,90");  // PRODUTO
    EXPECT_EQ(items[9], "1 | CORTE FEMININO | 60,00");  // SERVIÇO
    EXPECT_EQ(items[20], "12 | LIMPEZA DE PELE | 90,00");
}

TEST_F(PriceTablesTest, AFailingReportStillLeavesTheCatalogueClosedAndUnfiltered) {
    EXPECT_THROW(
        reports::printPriceTable(dm, PriceTable::Servicos,
                                 [](const reports::Report&) { throw std::runtime_error("impressora"); }),
        std::runtime_error);
    EXPECT_FALSE(dm.TbProdutos.isOpen());
    EXPECT_EQ(dm.TbProdutos.indexName(), "");
    dm.TbProdutos.open();
    EXPECT_EQ(dm.TbProdutos.recordCount(), 21);
}

}  // namespace

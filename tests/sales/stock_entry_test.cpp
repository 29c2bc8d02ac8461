// Stock entries: lines and total, saving raises the stock, altering and deleting take it
// back only for an entry whose saved mark says it was counted, and what another station did
// meanwhile is read again before anything moves.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/format.h"
#include "data/refusal.h"
#include "data/rows.h"
#include "sales/stock_entry.h"
#include "support/data_fixture.h"

namespace {

using core::Currency;
using sales::EntryHeader;
using sales::EntryLine;

class StockEntryTest : public testsupport::DataTest {
  protected:
    static constexpr std::int64_t kShampoo = 11, kCondicionador = 12, kCorte = 13;
    const core::Date kDay{2026, 12, 10};
    // Cut by characters, not bytes: the accents take two bytes each.
    const EntryHeader header{kDay, "NF 123", 0, "ÓTICA E COSMÉTICOS DA SERRA"};

    StockEntryTest() {
        dm.TbProdutos.open();
        data::addRow(dm.TbProdutos,
                     {{"Codigo", kShampoo}, {"Descricao", "SHAMPOO"}, {"Tipo", "PRODUTO"}, {"Estoque", 4.0}});
        data::addRow(dm.TbProdutos, {{"Codigo", kCondicionador},
                                     {"Descricao", "CONDICIONADOR"},
                                     {"Tipo", "PRODUTO"},
                                     {"Estoque", 1.0}});
        data::addRow(dm.TbProdutos,
                     {{"Codigo", kCorte}, {"Descricao", "CORTE"}, {"Tipo", "SERVIÇO"}, {"Estoque", 0.0}});
        dm.TbProdutos.close();
    }

    static EntryLine line(std::int64_t code, const char* produto, double custo, double quantity) {
        return {code, produto, Currency::fromDouble(custo), quantity};
    }
    std::int64_t add(std::int64_t entry, const EntryLine& entryLine) {
        return sales::addEntryLine(dm, entry, header, entryLine);
    }
    // The stock as stored, read by a station of its own.
    double stockOf(std::int64_t code) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        fresh.TbProdutos.open();
        if (!fresh.TbProdutos.findKey({code})) return -999;
        return fresh.TbProdutos.field("Estoque").asFloat();
    }
    int linesOf(std::int64_t entry) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        fresh.TbEntrada.open();
        fresh.TbItemEntrada.open();
        if (!fresh.TbEntrada.findKey({entry})) return -1;
        return fresh.TbItemEntrada.recordCount();
    }
    template <typename Action>
    std::string refusalOf(Action action) {
        try {
            action();
        } catch (const data::Refusal& refusal) {
            return refusal.what();
        }
        return "(aceito)";
    }
    // An entry with lines 3 × 2,50 and 2 × 2,00 of SHAMPOO; returns the 2-unit line's Ordem.
    std::int64_t enterTwoLines(std::int64_t entry) {
        add(entry, line(kShampoo, "SHAMPOO", 2.50, 3));
        return add(entry, line(kShampoo, "SHAMPOO", 2.00, 2));
    }
};

TEST_F(StockEntryTest, SavingAlteringAndDeletingMoveTheStockOfTheLinesPresent) {
    const std::int64_t entry = sales::createEntry(dm, kDay);
    const std::int64_t twoUnits = enterTwoLines(entry);
    EXPECT_EQ(core::formatMoney(sales::totalEntry(dm, entry)), "11,50");
    EXPECT_EQ(stockOf(kShampoo), 4);  // lines alone move nothing
    sales::saveEntry(dm, entry, header);
    EXPECT_EQ(stockOf(kShampoo), 9);

    sales::alterEntry(dm, entry);
    EXPECT_EQ(stockOf(kShampoo), 4);
    sales::deleteEntryLine(dm, entry, twoUnits);
    EXPECT_EQ(core::formatMoney(sales::totalEntry(dm, entry)), "7,50");
    sales::saveEntry(dm, entry, header);
    EXPECT_EQ(stockOf(kShampoo), 7);

    sales::deleteEntry(dm, entry);
    EXPECT_EQ(stockOf(kShampoo), 4);
    EXPECT_EQ(linesOf(entry), -1);
}

TEST_F(StockEntryTest, LinesCarryTheHeaderAsItWasAndTheSupplierNameCutToTwenty) {
    const std::int64_t entry = sales::createEntry(dm, kDay);
    add(entry, line(kShampoo, "SHAMPOO", 2.50, 3));
    dm.TbItemEntrada.first();
    EXPECT_EQ(dm.TbItemEntrada.field("Codigo").asString(), "11");
    EXPECT_EQ(dm.TbItemEntrada.field("Fornecedor").asString(), "ÓTICA E COSMÉTICOS D");
    EXPECT_EQ(dm.TbItemEntrada.field("Data").asDate(), kDay);
    EXPECT_EQ(dm.TbItemEntrada.field("Empresa").asString(), "");
    EXPECT_EQ(dm.TbEntrada.field("Fornecedor").asString(), header.fornecedor);
    EXPECT_EQ(dm.TbEntrada.field("Nota").asString(), "NF 123");
}

TEST_F(StockEntryTest, ALineNeedsAProductLookedUpAQuantityOfOneAndACost) {
    const std::int64_t entry = sales::createEntry(dm, kDay);
    struct Case {
        EntryLine line;
        const char* expected;
    };
    const Case cases[] = {
        {{std::nullopt, "", Currency::fromDouble(2), 1}, "Selecione o Produto da Entrada!"},
        {{kShampoo, "", Currency::fromDouble(2), 1}, "Selecione o Produto da Entrada!"},
        {line(kShampoo, "SHAMPOO", 2, 0.5), "Digite a quantidade do Produto!"},
        {line(kShampoo, "SHAMPOO", 0, 1), "Digite o Valor de Custo do Produto!"},
        {line(kShampoo, "SHAMPOO", 0.01, 1), "(aceito)"},
        {line(kShampoo, "SHAMPOO", 2, 1.5), "(aceito)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusalOf([&] { add(entry, c.line); }), c.expected) << c.line.quantity;
    EXPECT_EQ(linesOf(entry), 2);
}

TEST_F(StockEntryTest, TheLineRaisesTheProductLookedUpNotTheCatalogueRecordCurrent) {
    dm.TbProdutos.open();
    ASSERT_TRUE(dm.TbProdutos.findKey({kCondicionador}));  // left there by some other screen
    const std::int64_t entry = sales::createEntry(dm, kDay);
    add(entry, line(kShampoo, "SHAMPOO", 3, 2));
    sales::totalEntry(dm, entry);
    sales::saveEntry(dm, entry, header);
    EXPECT_EQ(stockOf(kShampoo), 6);
    EXPECT_EQ(stockOf(kCondicionador), 1);
}

TEST_F(StockEntryTest, SavingNeedsADateAndATotalOfTenCentsAndCountsLinesAddedAfterIt) {
    const std::int64_t entry = sales::createEntry(dm, kDay);
    add(entry, line(kShampoo, "SHAMPOO", 0.05, 1));
    EXPECT_EQ(refusalOf([&] { sales::saveEntry(dm, entry, header); }), "Totalize a Entrada dos Produtos!");
    sales::totalEntry(dm, entry);
    EXPECT_EQ(refusalOf([&] { sales::saveEntry(dm, entry, header); }), "Totalize a Entrada dos Produtos!");
    add(entry, line(kShampoo, "SHAMPOO", 1, 2));
    sales::totalEntry(dm, entry);
    add(entry, line(kCorte, "CORTE", 1, 5));  // after the total; services receive stock too
    EXPECT_EQ(refusalOf([&] {
                  sales::saveEntry(dm, entry, {core::Date{}, "", 0, ""});
              }),
              "Digite a Data da Entrada dos Produtos!");
    EXPECT_EQ(stockOf(kShampoo), 4);
    sales::saveEntry(dm, entry, header);
    EXPECT_EQ(stockOf(kShampoo), 7);
    EXPECT_EQ(stockOf(kCorte), 5);
    EXPECT_EQ(refusalOf([&] { sales::saveEntry(dm, entry, header); }),
              "A Entrada Já Está Gravada! Altere-a Antes.");
    EXPECT_EQ(stockOf(kShampoo), 7);  // not counted twice
}

TEST_F(StockEntryTest, AnEntryNeverSavedIsDeletedWithoutTouchingTheStockAndCannotBeAltered) {
    const std::int64_t entry = sales::createEntry(dm, kDay);  // left by a crash, or in entry elsewhere
    enterTwoLines(entry);
    EXPECT_EQ(refusalOf([&] { sales::alterEntry(dm, entry); }), "A Entrada Está em Edição em Outra Estação!");
    EXPECT_EQ(stockOf(kShampoo), 4);
    sales::deleteEntry(dm, entry);
    EXPECT_EQ(stockOf(kShampoo), 4);
    EXPECT_EQ(linesOf(entry), -1);
}

TEST_F(StockEntryTest, AnEntryAlteredAtAnotherStationIsRefusedAndItsStockTakenBackOnce) {
    const std::int64_t entry = sales::createEntry(dm, kDay);
    enterTwoLines(entry);
    sales::totalEntry(dm, entry);
    sales::saveEntry(dm, entry, header);
    ASSERT_EQ(stockOf(kShampoo), 9);

    testsupport::RecordingMessages quiet;
    data::Tdm other(dataDir(), quiet);
    other.TbEntrada.open();
    other.TbItemEntrada.open();
    ASSERT_TRUE(other.TbEntrada.findKey({entry}));  // both stations show it saved
    sales::alterEntry(dm, entry);
    EXPECT_EQ(refusalOf([&] { sales::alterEntry(other, entry); }),
              "A Entrada Está em Edição em Outra Estação!");
    EXPECT_EQ(stockOf(kShampoo), 4);
    // Deleting it there takes nothing back a second time.
    sales::deleteEntry(other, entry);
    EXPECT_EQ(stockOf(kShampoo), 4);
    EXPECT_EQ(refusalOf([&] { sales::saveEntry(dm, entry, header); }), "A Entrada Não Existe Mais!");
    EXPECT_EQ(stockOf(kShampoo), 4);
}

}  // namespace

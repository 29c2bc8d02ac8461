// The receipt of a stored sale: its items led by dots to their values, the client and the total.
#include <gtest/gtest.h>

#include "data/refusal.h"
#include "data/rows.h"
#include "page_text.h"
#include "reports/engine/generator.h"
#include "reports/sale_receipt.h"
#include "support/data_fixture.h"

namespace {

using Lines = std::vector<std::string>;

// Sale 40 (CARLA: a haircut and 3 shampoos) and sale 41 (no client, no items).
class SaleReceiptTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbServico.open();
        dm.TbItensServico.open();
        sale(40, "CARLA SOUZA", 87.5, {{"CORTE FEMININO", 50}, {"SHAMPOO 300ML", 37.5}});
        sale(41, "", 0, {});
        // Another sale's item must not print on the receipt.
        sale(42, "BEATRIZ", 20, {{"ESMALTE", 20}});
        dm.TbServico.close();
        dm.TbItensServico.close();
    }
    void sale(std::int64_t number, const char* client, double total,
              std::vector<std::pair<const char*, double>> items) {
        data::addRow(dm.TbServico,
                     {{"Contador", number}, {"Data", "2026-12-09"}, {"Cliente", client}, {"Total", total}});
        for (auto [descricao, value] : items)
            data::addRow(
                dm.TbItensServico,
                {{"Contador", number}, {"Descricao", descricao}, {"Total", value}, {"Porcentagem", 1.0}});
    }
    Lines receiptOf(std::int64_t number) {
        Lines lines;
        reports::printSaleReceipt(dm, number, [&](const reports::Report& report) {
            EXPECT_EQ(report.name, "QrServico");
            lines = reportstest::allLines(reports::generate(report, {}));
        });
        return lines;
    }
};

TEST_F(SaleReceiptTest, ItemsAreLedByDotsToTheirValuesAndTheClientAndTotalFollow) {
    const Lines lines = receiptOf(40);
    for (const char* wanted :
         {"SERVIÇOS PRESTADOS", "RECIBO", "Data: | 09/12/2026", "PRODUTOS E SERVIÇOS | VALOR R$",
          "CLIENTE: | CARLA SOUZA | TOTAL...R$ | 87,50", "Assinatura"})
        EXPECT_EQ(reportstest::linesStartingWith(lines, wanted).size(), 1u) << wanted << "\n"
                                                                            << testing::PrintToString(lines);
    const Lines items = reportstest::linesStartingWith(lines, "CORTE FEMININO . . .");
    ASSERT_EQ(items.size(), 1u) << testing::PrintToString(lines);
    EXPECT_TRUE(items[0].ends_with(". | 50,00")) << items[0];
    // The dots stop where the value column begins.
    EXPECT_LT(items[0].size(), 200u);
    EXPECT_EQ(reportstest::linesStartingWith(lines, "SHAMPOO 300ML . . .").size(), 1u);
    EXPECT_TRUE(reportstest::linesStartingWith(lines, "ESMALTE").empty());
}

TEST_F(SaleReceiptTest, ASaleWithoutClientOrItemsStillPrintsSayingSo) {
    const Lines lines = receiptOf(41);
    EXPECT_EQ(reportstest::linesStartingWith(lines, "CLIENTE: | NÃO INDICADO... | TOTAL...R$ | 0,00").size(),
              1u)
        << testing::PrintToString(lines);
    EXPECT_TRUE(reportstest::linesStartingWith(lines, "ESMALTE").empty());
}

TEST_F(SaleReceiptTest, AMissingSaleIsRefusedAndTheTablesAreClosedAgain) {
    EXPECT_THROW(receiptOf(99), data::Refusal);
    receiptOf(40);
    EXPECT_FALSE(dm.TbServico.isOpen());
    EXPECT_FALSE(dm.TbItensServico.isOpen());
}

}  // namespace

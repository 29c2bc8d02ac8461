// Day totals of each bank account, kept by the ledger's after-post hook.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "support/data_fixture.h"

namespace {

using testsupport::DataTest;

class BankBalanceTest : public DataTest {
  protected:
    void SetUp() override {
        dm.TbBanco.open();
        dm.TbSaldos.open();
    }
    void movement(const std::string& account, const std::string& day, double credit, double debit) {
        data::addRow(dm.TbBanco, {{"Banco", "001"},
                                  {"Agencia", "1234"},
                                  {"Conta", account},
                                  {"DataApre", day},
                                  {"ValorCredito", credit},
                                  {"ValorDebto", debit}});
    }
    core::Currency balance(const std::string& account, const std::string& day) {
        store::Table reader(dm.DbVelmora, dm.TbSaldos.definition(), "TbSaldos");
        reader.open();
        if (!reader.findKey({account, day})) return core::Currency::fromReais(-999999);
        return reader.field("Saldo").asCurrency();
    }
};

TEST_F(BankBalanceTest, MovementsOfOneAccountAndDayAddUpInOneRow) {
    movement("11", "2024-06-05", 100.0, 0.0);
    movement("11", "2024-06-05", 0.0, -30.0);
    movement("11", "2024-06-06", 0.0, -5.5);
    movement("22", "2024-06-05", 200.0, 0.0);

    EXPECT_EQ(dm.TbSaldos.recordCount(), 3);
    EXPECT_EQ(balance("11", "2024-06-05"), core::Currency::fromReais(70));
    EXPECT_EQ(balance("11", "2024-06-06"), core::Currency::fromDouble(-5.5));
    EXPECT_EQ(balance("22", "2024-06-05"), core::Currency::fromReais(200));
    ASSERT_TRUE(dm.TbSaldos.findKey({"11", "2024-06-05"}));
    EXPECT_EQ(dm.TbSaldos.field("Banco").asString(), "001");
    EXPECT_EQ(dm.TbSaldos.field("Agencia").asString(), "1234");
}

TEST_F(BankBalanceTest, MovementWithoutEffectiveDateLeavesBalancesAlone) {
    movement("11", "2024-06-05", 100.0, 0.0);
    data::addRow(dm.TbBanco, {{"Conta", "11"}, {"ValorCredito", 40.0}});
    EXPECT_EQ(dm.TbSaldos.recordCount(), 1);
    EXPECT_EQ(balance("11", "2024-06-05"), core::Currency::fromReais(100));
}

TEST_F(BankBalanceTest, EveryPostAddsTheRecordAmountsEvenAfterAnEdit) {
    movement("11", "2024-06-05", 100.0, 0.0);
    dm.TbBanco.edit();
    dm.TbBanco.field("Discriminacao").setString("Depósito");
    dm.TbBanco.post();
    EXPECT_EQ(balance("11", "2024-06-05"), core::Currency::fromReais(200));
}

TEST_F(BankBalanceTest, ScreenIndexAndRangeOnTbSaldosSurviveTheHook) {
    movement("11", "2024-06-01", 10.0, 0.0);
    movement("11", "2024-06-20", 10.0, 0.0);
    dm.TbSaldos.setIndexName("siContaData");
    dm.TbSaldos.setRange({"11", "2024-06-01"}, {"11", "2024-06-10"});
    ASSERT_EQ(dm.TbSaldos.recordCount(), 1);

    movement("11", "2024-06-20", 5.0, 0.0);  // outside the range: must not be missed
    movement("11", "2024-06-01", 7.0, 0.0);

    EXPECT_EQ(dm.TbSaldos.indexName(), "siContaData");
    EXPECT_EQ(dm.TbSaldos.recordCount(), 1);
    EXPECT_EQ(dm.TbSaldos.field("Saldo").asCurrency(), core::Currency::fromReais(17));
    EXPECT_EQ(balance("11", "2024-06-20"), core::Currency::fromReais(15));
}

}  // namespace

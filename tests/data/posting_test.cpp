// The data module's hooks inside postings: counters and daily bank balances are written
// with the posting, or not at all.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "data/store/posting.h"
#include "support/data_fixture.h"

namespace {

using core::Currency;
using testsupport::DataTest;

class PostingHooksTest : public DataTest {
  protected:
    void SetUp() override {
        dm.TbBanco.open();
        dm.TbSaldos.open();
        dm.TbServico.open();
    }
    void bankLine(double credit) {
        data::addRow(dm.TbBanco, {{"Banco", "001"},
                                  {"Agencia", "1234"},
                                  {"Conta", "11"},
                                  {"DataApre", "2026-12-01"},
                                  {"ValorCredito", credit}});
    }
    // Read through a data module of its own, as the next station would.
    struct OnDisk {
        int bankLines = 0;
        int sales = 0;
        Currency balance;
        std::int64_t contReceber = 0;
        std::int64_t contServ = 0;
    };
    OnDisk onDisk() {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        OnDisk seen;
        fresh.TbBanco.open();
        seen.bankLines = fresh.TbBanco.recordCount();
        fresh.TbServico.open();
        seen.sales = fresh.TbServico.recordCount();
        fresh.TbSaldos.open();
        if (fresh.TbSaldos.findKey({"11", "2026-12-01"}))
            seen.balance = fresh.TbSaldos.field("Saldo").asCurrency();
        fresh.TbContador.open();
        seen.contReceber = fresh.TbContador.field("ContReceber").asInteger();
        seen.contServ = fresh.TbContador.field("ContServ").asInteger();
        return seen;
    }
    std::vector<store::Table*> bankScope() { return {&dm.TbBanco, &dm.TbSaldos, &dm.TbContador}; }
};

TEST_F(PostingHooksTest, ABankLineRolledBackLeavesTheDailyBalanceAndTheCounterAsBefore) {
    bankLine(100.0);
    const OnDisk before = onDisk();
    ASSERT_EQ(before.balance, Currency::fromReais(100));

    EXPECT_THROW(store::post(bankScope(),
                             [&] {
                                 bankLine(50.0);
                                 throw store::Error("falha depois do lançamento");
                             }),
                 store::Error);

    const OnDisk after = onDisk();
    EXPECT_EQ(after.bankLines, before.bankLines);
    EXPECT_EQ(after.balance, before.balance);
    EXPECT_EQ(after.contReceber, before.contReceber);
    ASSERT_TRUE(dm.TbSaldos.findKey({"11", "2026-12-01"}));
    EXPECT_EQ(dm.TbSaldos.field("Saldo").asCurrency(), Currency::fromReais(100));

    // The same line committed moves all three together.
    store::post(bankScope(), [&] { bankLine(50.0); });
    const OnDisk committed = onDisk();
    EXPECT_EQ(committed.bankLines, before.bankLines + 1);
    EXPECT_EQ(committed.balance, Currency::fromReais(150));
    EXPECT_EQ(committed.contReceber, before.contReceber + 1);
}

TEST_F(PostingHooksTest, ACounterOfARolledBackPostingIsGivenBackAndNeverHandedOutTwice) {
    const OnDisk before = onDisk();
    std::int64_t firstTry = 0;
    EXPECT_THROW(store::post({&dm.TbServico, &dm.TbContador},
                             [&] {
                                 dm.TbServico.insert();
                                 firstTry = dm.TbServico.field("Contador").asInteger();
                                 dm.TbServico.post();
                                 throw store::Error("pagamento recusado");
                             }),
                 store::Error);
    EXPECT_EQ(onDisk().contServ, before.contServ);

    store::post({&dm.TbServico, &dm.TbContador}, [&] {
        dm.TbServico.insert();
        dm.TbServico.post();
    });
    EXPECT_EQ(dm.TbServico.field("Contador").asInteger(), firstTry);
    const OnDisk after = onDisk();
    EXPECT_EQ(after.sales, before.sales + 1);
    EXPECT_EQ(after.contServ, before.contServ + 1);
}

TEST_F(PostingHooksTest, APostingThatLeavesOutAHookTableFailsInsteadOfCommittingItApart) {
    const OnDisk before = onDisk();
    EXPECT_THROW(store::post({&dm.TbBanco, &dm.TbContador}, [&] { bankLine(10.0); }), store::Error);
    const OnDisk after = onDisk();
    EXPECT_EQ(after.bankLines, before.bankLines);
    EXPECT_EQ(after.contReceber, before.contReceber);
    EXPECT_FALSE(dm.TbBanco.isEditing());
}

}  // namespace

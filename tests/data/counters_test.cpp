// Record numbers from the single TbContador record.
#include <gtest/gtest.h>

#include "data/counters.h"
#include "data/rows.h"
#include "support/data_fixture.h"

namespace {

using testsupport::DataTest;

class CounterTest : public DataTest {
  protected:
    std::int64_t counterValue(const std::string& counter) {
        store::Table reader(dm.DbVelmora, dm.TbContador.definition(), "TbContador");
        reader.open();
        return reader.field(counter).asInteger();
    }
};

TEST_F(CounterTest, EveryRuleNumbersItsTableAndClosesTbContadorAsItSays) {
    for (const data::CounterRule& rule : data::counterRules()) {
        SCOPED_TRACE(rule.component);
        dm.TbContador.close();
        store::Table& table = dm.table(rule.component);
        table.open();
        const std::int64_t before = counterValue(rule.counter);
        table.insert();
        EXPECT_EQ(table.field(rule.keyField).asInteger(), before);
        EXPECT_EQ(counterValue(rule.counter), before + 1);
        EXPECT_EQ(dm.TbContador.isOpen(), !rule.closeAfter);
        EXPECT_FALSE(dm.TbContador.isEditing());
        table.cancel();
        table.close();
    }
}

TEST_F(CounterTest, SalesStockEntriesAndTicketItemsShareOneSequence) {
    dm.TbServico.open();
    dm.TbEntrada.open();
    dm.TbComando.open();
    dm.TbItemComando.open();
    data::addRow(dm.TbComando, {{"Comando", std::int64_t{12}}});

    dm.TbServico.insert();
    const std::int64_t sale = dm.TbServico.field("Contador").asInteger();
    dm.TbServico.post();
    dm.TbEntrada.insert();
    const std::int64_t entry = dm.TbEntrada.field("Contador").asInteger();
    dm.TbEntrada.post();
    dm.TbItemComando.insert();
    const std::int64_t ticketItem = dm.TbItemComando.field("Ordem").asInteger();
    EXPECT_EQ(dm.TbItemComando.field("Comando").asInteger(), 12);  // from the master link
    dm.TbItemComando.post();

    EXPECT_EQ(sale, 1);
    EXPECT_EQ(entry, sale + 1);
    EXPECT_EQ(ticketItem, sale + 2);
    EXPECT_EQ(counterValue("ContServ"), sale + 3);
}

TEST_F(CounterTest, CancelledSaleLeavesAGapThatIsNeverFilled) {
    dm.TbServico.open();
    dm.TbServico.insert();
    const std::int64_t cancelled = dm.TbServico.field("Contador").asInteger();
    dm.TbServico.cancel();
    dm.TbServico.insert();
    const std::int64_t kept = dm.TbServico.field("Contador").asInteger();
    dm.TbServico.post();

    EXPECT_EQ(kept, cancelled + 1);
    EXPECT_EQ(dm.TbServico.recordCount(), 1);
    EXPECT_FALSE(dm.TbServico.findKey({cancelled}));
}

TEST_F(CounterTest, ReceivablesAndBankMovementsShareOneSequence) {
    dm.TbReceber.open();
    dm.TbBanco.open();
    dm.TbReceber.insert();
    dm.TbBanco.insert();
    EXPECT_EQ(dm.TbBanco.field("Numero").asInteger(), dm.TbReceber.field("Contador").asInteger() + 1);
}

// Another station holds the counter record for longer than every retry.
TEST_F(CounterTest, FailedHookReleasesTheCounterAndClosesItWhereTheRuleSays) {
    struct Case {
        const char* component;
        bool contadorOpenAfter;
    };
    store::Table otherStation(dm.DbVelmora, dm.TbContador.definition(), "TbContador");
    otherStation.open();
    otherStation.edit();
    for (const Case& c : {Case{"TbBanco", false}, Case{"TbFoto", true}}) {
        SCOPED_TRACE(c.component);
        store::Table& table = dm.table(c.component);
        table.open();
        EXPECT_THROW(table.insert(), store::LockError);
        EXPECT_EQ(table.state(), store::TableState::Browse);
        EXPECT_EQ(dm.TbContador.isOpen(), c.contadorOpenAfter);
        EXPECT_FALSE(dm.TbContador.isEditing());
    }
    otherStation.cancel();

    // Nothing of the failed attempts is held: the next number comes at once.
    dm.TbBanco.insert();
    EXPECT_EQ(dm.TbBanco.field("Numero").asInteger(), 1);
}

TEST_F(CounterTest, MissingCounterRecordIsReportedByName) {
    dm.TbContador.open();
    dm.TbContador.deleteRecord();
    dm.TbContador.close();
    dm.TbPagar.open();
    try {
        dm.TbPagar.insert();
        FAIL() << "a number was issued without a counter record";
    } catch (const store::Error& error) {
        EXPECT_NE(std::string(error.what()).find("Contador.DAT"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(dm.TbContador.isOpen());
}

}  // namespace

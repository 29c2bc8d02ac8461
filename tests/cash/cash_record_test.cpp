// Adding to the current cash record: only while it is open, under its lock, in fixed point.
#include <gtest/gtest.h>

#include "cash/cash_record.h"
#include "data/refusal.h"
#include "data/rows.h"
#include "data/store/posting.h"
#include "support/data_fixture.h"
#include "support/processes.h"

namespace {

using core::Currency;
using testsupport::DataTest;

class CashRecordTest : public DataTest {
  protected:
    void cashRecord(std::int64_t number, const char* status, double dinheiro = 0) {
        dm.TbCaixa.open();
        data::addRow(dm.TbCaixa, {{"Contador", number}, {"Status", status}, {"Dinheiro", dinheiro}});
        dm.TbCaixa.close();
    }
    // The last cash record as the next station reads it.
    std::pair<Currency, Currency> lastOnDisk(const char* field) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        fresh.TbCaixa.open();
        fresh.TbCaixa.last();
        return {fresh.TbCaixa.field(field).asCurrency(), fresh.TbCaixa.field("Total").asCurrency()};
    }
    std::int64_t payInCash(Currency amount) {
        std::int64_t number = 0;
        store::post({&dm.TbCaixa},
                    [&] { number = cash::addToOpenCash(dm, cash::paymentAdditions("DINHEIRO", amount)); });
        return number;
    }
};

// With other stations as real processes: on a data directory and on a server.
using CashRecordStationsTest = testsupport::OnEveryBackend<CashRecordTest>;
DATA_ON_EVERY_BACKEND(CashRecordStationsTest);

TEST_F(CashRecordTest, EachPaymentWordFeedsItsFieldAndTotal) {
    const std::pair<const char*, const char*> cases[] = {
        {"DINHEIRO", "Dinheiro"}, {"CHEQUE", "Cheque"}, {"CARTÃO", "Cartao"},
        {"DÉBITO", "Debito"},     {"NOTINHA", "TEF"},
    };
    for (const auto& [word, field] : cases) {
        SCOPED_TRACE(word);
        const auto additions = cash::paymentAdditions(word, Currency::fromReais(5));
        ASSERT_EQ(additions.size(), 2u);
        EXPECT_EQ(additions[0].field, "Total");
        EXPECT_EQ(additions[1].field, field);
    }
    EXPECT_EQ(cash::paymentAdditions("CRÉDITO", Currency::fromReais(5)).size(), 1u);
    EXPECT_THROW(cash::cashFieldOf("PIX"), std::invalid_argument);
}

TEST_F(CashRecordTest, AddsToTheLastRecordInFixedPointAndReturnsItsNumber) {
    cashRecord(1, "FECHADO");
    cashRecord(2, "ABERTO", 0.1);
    EXPECT_EQ(payInCash(Currency::fromUnits(2000)), 2);  // 0,20 + 0,10: exactly 0,30
    EXPECT_EQ(lastOnDisk("Dinheiro"), std::make_pair(Currency::fromUnits(3000), Currency::fromUnits(2000)));
    EXPECT_FALSE(dm.TbCaixa.isOpen());  // left as it was found
}

TEST_F(CashRecordTest, AnEmptyOrClosedCashIsRefusedAndNothingIsWritten) {
    for (const char* status : {"", "FECHADO"}) {
        SCOPED_TRACE(status);
        if (*status) cashRecord(1, status);
        try {
            payInCash(Currency::fromReais(10));
            FAIL() << "a payment went into a cash that is not open";
        } catch (const data::Refusal& refusal) {
            EXPECT_STREQ(refusal.what(), "O Caixa Não Está Aberto!!!");
        }
        dm.TbCaixa.open();
        EXPECT_EQ(dm.TbCaixa.recordCount(), *status ? 1 : 0);  // no record made up
        if (*status) {
            EXPECT_EQ(dm.TbCaixa.field("Total").asCurrency(), Currency());
        }
        dm.TbCaixa.close();
    }
}

TEST_F(CashRecordTest, ACashClosedElsewhereAfterTheScreenLookedIsRefused) {
    cashRecord(1, "ABERTO");
    dm.TbCaixa.open();
    dm.TbCaixa.last();  // the screen saw it open
    {
        testsupport::RecordingMessages quiet;
        data::Tdm other(dataSet(), quiet);
        other.TbCaixa.open();
        other.TbCaixa.last();
        other.TbCaixa.edit();
        other.TbCaixa.field("Status").setString("FECHADO");
        other.TbCaixa.post();
    }
    EXPECT_THROW(payInCash(Currency::fromReais(10)), data::Refusal);
    EXPECT_EQ(lastOnDisk("Dinheiro").second, Currency());
}

TEST_P(CashRecordStationsTest, ACashRecordLockedByAnotherProcessFailsThePostingWithNothingWritten) {
    cashRecord(1, "ABERTO");
    dm.TbCliente.open();
    data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{1}}, {"Nome", "CARLA"}, {"Saldo", 30.0}});
    const Currency creditBefore = dm.TbCliente.field("Saldo").asCurrency();
    testsupport::LockHolder holder(dataSet(), "TbCaixa");  // another station editing the cash record
    EXPECT_THROW(
        store::post({&dm.TbCliente, &dm.TbCaixa},
                    [&] {
                        dm.TbCliente.editExisting();
                        dm.TbCliente.field("Saldo").setCurrency(creditBefore + Currency::fromReais(1));
                        dm.TbCliente.post();
                        cash::addToOpenCash(dm, cash::paymentAdditions("CHEQUE", Currency::fromReais(1)));
                    }),
        store::LockError);
    holder.release();
    EXPECT_EQ(lastOnDisk("Cheque").second, Currency());
    testsupport::RecordingMessages quiet;
    data::Tdm fresh(dataSet(), quiet);
    fresh.TbCliente.open();
    EXPECT_EQ(fresh.TbCliente.field("Saldo").asCurrency(), creditBefore);
}

}  // namespace

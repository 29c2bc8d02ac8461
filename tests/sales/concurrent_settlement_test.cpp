// Two stations settling the same client's notes at the same moment: one settles, the other is
// told the notes changed, and the cash receives the payment once.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "sales/account_payments.h"
#include "support/data_fixture.h"
#include "support/processes.h"

namespace {

using core::Currency;

// On a data directory and on a server.
class ConcurrentSettlementTest : public ::testing::TestWithParam<testsupport::Backend> {
  protected:
    testsupport::InitialDataSet dataSet{GetParam()};
};
DATA_ON_EVERY_BACKEND(ConcurrentSettlementTest);

TEST_P(ConcurrentSettlementTest, ExactlyOneOfTwoStationsSettles) {
    std::vector<std::int64_t> notes;
    {
        testsupport::RecordingMessages quiet;
        data::Tdm dm(dataSet.location(), quiet);
        for (auto* table : {&dm.TbCliente, &dm.TbCaixa, &dm.TbReceber}) table->open();
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{7}}, {"Nome", "ELAINE"}, {"Saldo", 20.0}});
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", "ABERTO"}});
        for (double value : {50.0, 70.0}) {
            data::addRow(dm.TbReceber,
                         {{"CodCliente", std::int64_t{7}}, {"Valor", value}, {"Vendedor", "NOTINHA"}});
            notes.push_back(dm.TbReceber.field("Contador").asInteger());
        }
    }
    EXPECT_EQ(
        testsupport::stationsDoingAtOnce(
            dataSet.location(),
            [&](data::Tdm& dm) {
                sales::settleNotes(dm, {7, notes, Currency::fromReais(20), 1, Currency::fromReais(100)});
            }),
        1);

    testsupport::RecordingMessages quiet;
    data::Tdm dm(dataSet.location(), quiet);
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    EXPECT_EQ(dm.TbCaixa.field("Dinheiro").asCurrency(), Currency::fromReais(100));
    dm.TbBaixaR.open();
    EXPECT_EQ(dm.TbBaixaR.recordCount(), 1);
    dm.TbReceber.open();
    EXPECT_TRUE(dm.TbReceber.isEmpty());
}

}  // namespace

// The demo salon's history, made by the till's own functions: its figures must add up as
// the program's own rules say.
#include <gtest/gtest.h>

#include <map>

#include "core/date.h"
#include "demo/salon_history.h"
#include "support/data_fixture.h"

namespace {

using core::Currency;

class SalonHistoryTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        directory_ = new testsupport::InitialDataDirectory(true);
        testsupport::RecordingMessages quiet;
        data::Tdm dm(directory_->path(), quiet);
        dm.TbProdutos.open();
        for (dm.TbProdutos.first(); !dm.TbProdutos.eof(); dm.TbProdutos.next())
            stockBefore_[dm.TbProdutos.field("Codigo").asInteger()] =
                dm.TbProdutos.field("Estoque").asFloat();
        dm.TbProdutos.close();
        demo::addSalonHistory(dm, kToday);
    }
    static void TearDownTestSuite() { delete directory_; }

    static constexpr core::Date kToday{2026, 12, 10};  // a Thursday
    static inline testsupport::InitialDataDirectory* directory_ = nullptr;
    static inline std::map<std::int64_t, double> stockBefore_;

    testsupport::RecordingMessages quiet;
    data::Tdm dm{directory_->path(), quiet};
};

TEST_F(SalonHistoryTest, EveryWorkingDayUpToYesterdayHasOneClosedCashWhoseFormsAddUpToItsTotal) {
    dm.TbCaixa.open();
    int days = 0;
    core::Date previous;
    for (dm.TbCaixa.first(); !dm.TbCaixa.eof(); dm.TbCaixa.next(), ++days) {
        const core::Date day = dm.TbCaixa.field("Abertura").asDate();
        SCOPED_TRACE(core::shortDate(day));
        EXPECT_EQ(dm.TbCaixa.field("Status").asString(), "FECHADO");
        EXPECT_NE(day.dayOfWeek(), 1);  // Sundays closed
        EXPECT_GT(day, previous);
        previous = day;
        Currency forms;
        for (const char* field : {"Dinheiro", "Cheque", "Cartao", "Debito", "TEF"})
            forms += dm.TbCaixa.field(field).asCurrency();
        EXPECT_EQ(forms, dm.TbCaixa.field("Total").asCurrency());
        const Currency drawer = dm.TbCaixa.field("DinheiroDIA").asCurrency() +
                                dm.TbCaixa.field("Dinheiro").asCurrency() -
                                dm.TbCaixa.field("DinheiroTOTAL").asCurrency();
        EXPECT_EQ(dm.TbCaixa.field("Deposito").asCurrency(),
                  drawer - dm.TbCaixa.field("Repasse").asCurrency());
        EXPECT_GE(dm.TbCaixa.field("Deposito").asCurrency(), Currency());
    }
    EXPECT_EQ(previous, kToday.addDays(-1));  // yesterday, and nothing open today
    EXPECT_GE(days, 45);
}

TEST_F(SalonHistoryTest, SalesUseEveryPaymentFormAndCreditAndTheirCashRecordReceivedThem) {
    std::map<std::string, int> forms;
    std::map<std::int64_t, Currency> registeredPerCash;
    int creditUsed = 0;
    int overpaid = 0;
    dm.TbServico.open();
    for (dm.TbServico.first(); !dm.TbServico.eof(); dm.TbServico.next()) {
        ++forms[dm.TbServico.field("TipoPG").asString()];
        if (dm.TbServico.field("Saldo").asCurrency() > Currency()) ++creditUsed;
        if (dm.TbServico.field("PGTotal").asCurrency() > dm.TbServico.field("SubTotal").asCurrency())
            ++overpaid;
        EXPECT_GE(dm.TbServico.field("Caixa").asInteger(), 1);
    }
    for (const char* word : {"DINHEIRO", "CHEQUE", "CARTÃO", "DÉBITO", "NOTINHA", "CRÉDITO"})
        EXPECT_GT(forms[word], 0) << word;
    EXPECT_GT(creditUsed, 0);
    EXPECT_GT(overpaid, 0);
}

TEST_F(SalonHistoryTest, StockFellByExactlyTheProductsSoldAndNoCreditIsNegative) {
    std::map<std::int64_t, double> sold;
    dm.TbServico.open();
    dm.TbItensServico.open();
    dm.TbItensServico.setMasterSource(nullptr, "");
    for (dm.TbItensServico.first(); !dm.TbItensServico.eof(); dm.TbItensServico.next())
        if (dm.TbItensServico.field("Tipo").asString() == "PRODUTO")
            sold[dm.TbItensServico.field("Codigo").asInteger()] +=
                dm.TbItensServico.field("Porcentagem").asFloat();
    EXPECT_FALSE(sold.empty());
    dm.TbProdutos.open();
    for (dm.TbProdutos.first(); !dm.TbProdutos.eof(); dm.TbProdutos.next()) {
        const std::int64_t code = dm.TbProdutos.field("Codigo").asInteger();
        EXPECT_EQ(dm.TbProdutos.field("Estoque").asFloat(), stockBefore_[code] - sold[code]) << code;
    }
    dm.TbCliente.open();
    for (dm.TbCliente.first(); !dm.TbCliente.eof(); dm.TbCliente.next())
        EXPECT_GE(dm.TbCliente.field("Saldo").asCurrency(), Currency())
            << dm.TbCliente.field("Nome").asString();
}

TEST_F(SalonHistoryTest, TheBookHoldsAWeekAroundTodayOfEveryEmployeesSlotsSomeBookedForClients) {
    dm.TbCliente.open();
    dm.TbAgenda.open();
    dm.TbAgenda.setIndexName("siData");
    std::map<std::string, int> slots, booked;
    for (dm.TbAgenda.first(); !dm.TbAgenda.eof(); dm.TbAgenda.next()) {
        const std::string day = dm.TbAgenda.field("Data").asDate().toIso();
        ++slots[day];
        const std::string cliente = dm.TbAgenda.field("Cliente").asString();
        if (cliente.empty() || cliente == "\" \"") continue;
        ++booked[day];
        dm.TbCliente.setIndexName("siNome");
        EXPECT_TRUE(dm.TbCliente.findKey({cliente})) << cliente;  // a client of the salon
    }
    std::vector<std::string> days;
    for (long offset = -3; offset <= 3; ++offset)
        if (kToday.addDays(offset).dayOfWeek() != 1) days.push_back(kToday.addDays(offset).toIso());
    std::vector<std::string> found;
    for (const auto& [day, count] : slots) found.push_back(day);
    EXPECT_EQ(found, days);  // each working day of the week, Sunday closed
    for (const std::string& day : days) {
        EXPECT_GT(booked[day], 0) << day;
        EXPECT_LT(booked[day], slots[day]) << day;
        EXPECT_EQ(slots[day] % 9, 0) << day;  // every employee's nine hours
    }
}

}  // namespace

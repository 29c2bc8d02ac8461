// Opening and closing the cash as plain functions: numbering, the proposed opening cash,
// the deposit in fixed point, and other stations opening or closing meanwhile.
#include <gtest/gtest.h>

#include "cash/cash_closing.h"
#include "cash/cash_opening.h"
#include "cash_fixture.h"
#include "core/date.h"
#include "core/format.h"
#include "data/refusal.h"
#include "support/processes.h"

namespace {

using cashtest::CashTest;
using cashtest::Period;
using core::Currency;
using Rows = std::vector<std::string>;

Currency reais(std::int64_t value) {
    return Currency::fromReais(value);
}

// With other stations as real processes: on a data directory and on a server.
using CashStationsTest = testsupport::OnEveryBackend<CashTest>;
DATA_ON_EVERY_BACKEND(CashStationsTest);

TEST_F(CashTest, TheFirstOpeningIsNumberOneWithNoOpeningCash) {
    const cash::OpeningProposal proposal = cash::proposeOpening(dm);
    EXPECT_EQ(proposal.number, 1);
    EXPECT_EQ(proposal.openingCash, Currency());
    EXPECT_FALSE(proposal.alreadyOpen);

    EXPECT_EQ(cash::openCash(dm, {3, "BRUNA"}, proposal.openingCash), 1);
    EXPECT_EQ(periodsOnDisk(), (Rows{"1 ABERTO BRUNA 3 0,00 0,00 0,00"}));
    store::Table& t = dm.TbCaixa;
    EXPECT_EQ(t.field("Abertura").asDate(), core::Date::today());
    EXPECT_FALSE(t.field("Hora1").isNull());
    EXPECT_TRUE(t.field("Fechamento").isNull());
}

TEST_F(CashTest, TheOpeningProposesTheLastRepasseAndTakesWhatTheUserTyped) {
    addPeriod({1, "FECHADO", 50, 300, 20, 80});
    const cash::OpeningProposal proposal = cash::proposeOpening(dm);
    EXPECT_EQ(proposal.number, 2);
    EXPECT_EQ(proposal.openingCash, reais(80));
    EXPECT_EQ(cash::openCash(dm, {1, "ANA PAULA"}, Currency::fromUnits(955000)), 2);  // 95,50 typed
    EXPECT_EQ(periodsOnDisk().back(), "2 ABERTO ANA PAULA 1 95,50 0,00 0,00");
}

TEST_F(CashTest, AnOpeningRefusedWhenAnotherStationOpenedMeanwhileWritesNothing) {
    addPeriod({1, "FECHADO"});
    ASSERT_FALSE(cash::proposeOpening(dm).alreadyOpen);  // what the screen saw
    {
        testsupport::RecordingMessages quiet;
        data::Tdm other(dataSet(), quiet);
        cash::openCash(other, {2, "CARLA"}, reais(10));
    }
    try {
        cash::openCash(dm, {1, "ANA PAULA"}, reais(80));
        FAIL() << "a second period opened";
    } catch (const data::Refusal& refusal) {
        EXPECT_STREQ(refusal.what(), "O Caixa Já Está Aberto no Momento!!!");
    }
    EXPECT_EQ(periodsOnDisk(),
              (Rows{"1 FECHADO ANA PAULA 1 0,00 0,00 0,00", "2 ABERTO CARLA 2 10,00 0,00 0,00"}));
}

TEST_F(CashTest, ClosingKeepsTheRepasseAndDepositsTheRestOfTheDrawer) {
    addPeriod({1, "ABERTO", 80, 500, 120});
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    EXPECT_EQ(core::formatMask(cash::cashInDrawer(dm), core::kCaptionMoneyMask), "460,00");

    EXPECT_TRUE(cash::closeCash(dm, 1, reais(100)));
    EXPECT_EQ(periodsOnDisk(), (Rows{"1 FECHADO ANA PAULA 1 80,00 100,00 360,00"}));
    EXPECT_EQ(dm.TbCaixa.field("Fechamento").asDate(), core::Date::today());
    EXPECT_FALSE(dm.TbCaixa.field("Hora2").isNull());

    // Tenths of a centavo do not drift: 0,10 + 0,20 − 0,30 leaves exactly nothing.
    addPeriod({2, "ABERTO", 0.1, 0.2, 0.3});
    EXPECT_TRUE(cash::closeCash(dm, 2, Currency()));
    EXPECT_EQ(dm.TbCaixa.field("Deposito").asCurrency(), Currency());
    // A repasse larger than the drawer is accepted and leaves a negative deposit.
    addPeriod({3, "ABERTO", 10});
    EXPECT_TRUE(cash::closeCash(dm, 3, reais(25)));
    EXPECT_EQ(periodsOnDisk().back(), "3 FECHADO ANA PAULA 1 10,00 25,00 -15,00");
}

TEST_F(CashTest, ClosingAPeriodNoLongerOpenChangesNothing) {
    struct Case {
        const char* name;
        std::vector<Period> periods;
        std::int64_t number;
    };
    for (const Case& c : {
             Case{"already closed", {{1, "FECHADO", 80, 500, 120, 100}}, 1},
             // Closed elsewhere and a new period opened since: the new one stays open.
             Case{"closed and reopened elsewhere", {{1, "FECHADO", 0, 0, 0, 30}, {2, "ABERTO", 30}}, 1},
         }) {
        SCOPED_TRACE(c.name);
        dm.TbCaixa.open();
        dm.TbCaixa.emptyTable();
        dm.TbCaixa.close();
        for (const Period& p : c.periods) addPeriod(p);
        const Rows before = periodsOnDisk();
        EXPECT_FALSE(cash::closeCash(dm, c.number, reais(7)));
        EXPECT_EQ(periodsOnDisk(), before);
        EXPECT_EQ(dm.TbCaixa.field("Contador").asInteger(), c.number);  // its report can still print
    }
}

TEST_F(CashTest, ClosingWithNoCashPeriodIsRefused) {
    EXPECT_THROW(cash::closeCash(dm, 0, reais(7)), data::Refusal);
    EXPECT_TRUE(periodsOnDisk().empty());
}

TEST_P(CashStationsTest, OfTwoStationsClosingAtOnceExactlyOneCloses) {
    addPeriod({1, "ABERTO", 80, 500, 120});
    const auto station = [this](std::int64_t repasse) {
        return testsupport::spawn([this, repasse] {
            testsupport::RecordingMessages quiet;
            data::Tdm own(dataSet(), quiet);
            return cash::closeCash(own, 1, reais(repasse)) ? 0 : 1;
        });
    };
    const pid_t first = station(100);
    const pid_t second = station(200);
    const int firstCode = testsupport::exitCodeOf(first);
    const int secondCode = testsupport::exitCodeOf(second);
    ASSERT_TRUE((firstCode == 0 && secondCode == 1) || (firstCode == 1 && secondCode == 0))
        << firstCode << " " << secondCode;
    // The deposit is the winner's, computed once from the drawer.
    EXPECT_EQ(periodsOnDisk(), (Rows{firstCode == 0 ? "1 FECHADO ANA PAULA 1 80,00 100,00 360,00"
                                                    : "1 FECHADO ANA PAULA 1 80,00 200,00 260,00"}));
}

}  // namespace

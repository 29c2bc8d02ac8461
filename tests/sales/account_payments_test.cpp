// Credit bought in advance and IOU notes settled: cash, notes and credit move together.
#include <gtest/gtest.h>

#include <functional>

#include "data/refusal.h"
#include "data/rows.h"
#include "sales/account_payments.h"
#include "support/data_fixture.h"
#include "support/processes.h"

namespace {

using core::Currency;

Currency reais(double value) {
    return Currency::fromDouble(value);
}

class AccountPaymentsTest : public testsupport::DataTest {
  protected:
    static constexpr std::int64_t kClient = 7;

    void SetUp() override {
        dm.TbCliente.open();
        data::addRow(dm.TbCliente, {{"Codigo", kClient}, {"Nome", "ELAINE"}, {"Saldo", 20.0}});
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{8}}, {"Nome", "FABIANA"}});
        dm.TbCaixa.open();
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", "ABERTO"}});
        dm.TbCaixa.close();
        dm.TbReceber.open();
    }
    std::int64_t note(std::int64_t client, double value, const char* document) {
        data::addRow(dm.TbReceber, {{"CodCliente", client},
                                    {"Cliente", client == kClient ? "ELAINE" : "FABIANA"},
                                    {"Valor", value},
                                    {"DataLan", "2026-11-20"},
                                    {"Vendedor", "NOTINHA"},
                                    {"Documento", document}});
        return dm.TbReceber.field("Contador").asInteger();
    }

    struct Disk {
        Currency cashTotal, dinheiro, cheque, debito, credito;
        Currency elaine;
        std::vector<std::string> elaineNotes;  // "Documento:Valor"
        int fabianaNotes = 0, received = 0;
    };
    Disk disk() {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        Disk seen;
        fresh.TbCaixa.open();
        fresh.TbCaixa.last();
        seen.cashTotal = fresh.TbCaixa.field("Total").asCurrency();
        seen.dinheiro = fresh.TbCaixa.field("Dinheiro").asCurrency();
        seen.cheque = fresh.TbCaixa.field("Cheque").asCurrency();
        seen.debito = fresh.TbCaixa.field("Debito").asCurrency();
        seen.credito = fresh.TbCaixa.field("Credito").asCurrency();
        fresh.TbCliente.open();
        fresh.TbCliente.findKey({kClient});
        seen.elaine = fresh.TbCliente.field("Saldo").asCurrency();
        fresh.TbReceber.open();
        for (fresh.TbReceber.first(); !fresh.TbReceber.eof(); fresh.TbReceber.next()) {
            if (fresh.TbReceber.field("CodCliente").asInteger() == kClient)
                seen.elaineNotes.push_back(fresh.TbReceber.field("Documento").asString() + ":" +
                                           fresh.TbReceber.field("Valor").asString());
            else
                ++seen.fabianaNotes;
        }
        fresh.TbBaixaR.open();
        seen.received = fresh.TbBaixaR.recordCount();
        return seen;
    }
};

// With other stations as real processes: on a data directory and on a server.
using AccountPaymentsStationsTest = testsupport::OnEveryBackend<AccountPaymentsTest>;
DATA_ON_EVERY_BACKEND(AccountPaymentsStationsTest);

TEST_F(AccountPaymentsTest, ACreditPurchaseRaisesTheCashAndTheClientsCredit) {
    sales::registerCreditPurchase(dm, kClient, 1, reais(50));
    const Disk after = disk();
    EXPECT_EQ(after.dinheiro, reais(50));
    EXPECT_EQ(after.credito, reais(50));
    EXPECT_EQ(after.cashTotal, reais(50));
    EXPECT_EQ(after.elaine, reais(70));
}

TEST_F(AccountPaymentsTest, ACreditPurchaseIsRefusedWithNothingWritten) {
    const struct {
        std::int64_t client;
        int code;
        Currency credit;
        const char* message;
    } cases[] = {
        {kClient, 4, reais(10), "Indique a Forma de Pagamento!"},
        {kClient, 1, Currency::fromUnits(50), "Digite o Valor do Crédito a Ser Inserido!"},  // 0,005
        {99, 1, reais(10), "Não Existe Cliente Com Este Código!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            sales::registerCreditPurchase(dm, c.client, c.code, c.credit);
            ADD_FAILURE() << "accepted";
        } catch (const data::Refusal& refusal) {
            EXPECT_STREQ(refusal.what(), c.message);
        }
        EXPECT_EQ(disk().cashTotal, Currency());
        EXPECT_EQ(disk().elaine, reais(20));
    }
    sales::registerCreditPurchase(dm, kClient, 2, Currency::fromUnits(100));  // 0,01 is accepted
    EXPECT_EQ(disk().cheque, Currency::fromUnits(100));
}

TEST_F(AccountPaymentsTest, SettlingNotesOf120WithCredit20ForEachAmountPaid) {
    // Notes of 50,00 and 70,00 less 20,00 of credit: a balance of 100,00.
    const struct {
        double paid;
        std::vector<std::string> notesAfter;
        double creditAfter;
    } cases[] = {
        {100, {}, 0},
        {70, {"DIFERENÇA:30"}, 0},
        {130, {}, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paid);
        dm.TbReceber.emptyTable();
        dm.TbCliente.findKey({kClient});
        dm.TbCliente.edit();
        dm.TbCliente.field("Saldo").setFloat(20);
        dm.TbCliente.post();
        const std::vector<std::int64_t> notes{note(kClient, 50, "101"), note(kClient, 70, "102")};
        note(8, 15, "103");  // another client's note stays
        const Disk before = disk();

        const auto result =
            sales::settleNotes(dm, {kClient, notes, reais(20), 4, reais(c.paid)}, core::Date{2026, 12, 10});

        const Disk after = disk();
        EXPECT_EQ(after.elaineNotes, c.notesAfter);
        EXPECT_EQ(after.elaine, reais(c.creditAfter));
        EXPECT_EQ(result.creditAfter, reais(c.creditAfter));
        EXPECT_EQ(after.debito - before.debito, reais(c.paid));
        EXPECT_EQ(after.cashTotal - before.cashTotal, reais(c.paid));
        EXPECT_EQ(after.fabianaNotes, 1);
        EXPECT_EQ(after.received, before.received + 1);
        dm.TbBaixaR.open();
        dm.TbBaixaR.last();
        EXPECT_EQ(dm.TbBaixaR.field("Valor").asCurrency(), reais(c.paid));
        EXPECT_EQ(dm.TbBaixaR.field("CodCliente").asInteger(), kClient);
        EXPECT_EQ(dm.TbBaixaR.field("DataVen").asDate(), (core::Date{2026, 12, 10}));
        dm.TbBaixaR.close();
    }
}

TEST_F(AccountPaymentsTest, ASettlementIsRefusedWhenTheNotesAreNotThoseListed) {
    const std::int64_t first = note(kClient, 50, "101");
    const std::int64_t other = note(8, 70, "102");
    const struct {
        const char* why;
        sales::Settlement settlement;
        const char* message;
    } cases[] = {
        {"nothing paid", {kClient, {first}, reais(20), 1, {}}, "Digite o Valor Pago Pelo Cliente!"},
        {"a negative payment",
         {kClient, {first}, reais(20), 1, reais(-10)},
         "Digite o Valor Pago Pelo Cliente!"},
        {"another client's notes",
         {kClient, {other}, reais(20), 1, reais(30)},
         "As Notinhas do Cliente Foram Alteradas! Pesquise Novamente."},
        {"credit changed since",
         {kClient, {first}, reais(10), 1, reais(30)},
         "As Notinhas do Cliente Foram Alteradas! Pesquise Novamente."},
        {"a note added since",
         {kClient, {}, reais(20), 1, reais(30)},
         "As Notinhas do Cliente Foram Alteradas! Pesquise Novamente."},
        {"no form", {kClient, {first}, reais(20), 5, reais(30)}, "Indique a Forma de Pagamento!"},
    };
    const Disk before = disk();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        try {
            sales::settleNotes(dm, c.settlement);
            ADD_FAILURE() << "settled";
        } catch (const data::Refusal& refusal) {
            EXPECT_STREQ(refusal.what(), c.message);
        }
        const Disk after = disk();
        EXPECT_EQ(after.elaineNotes, before.elaineNotes);
        EXPECT_EQ(after.cashTotal, before.cashTotal);
        EXPECT_EQ(after.received, before.received);
    }
}

TEST_F(AccountPaymentsTest, NothingOwedIsRefused) {
    const std::int64_t small = note(kClient, 20, "101");  // the credit covers it
    try {
        sales::settleNotes(dm, {kClient, {small}, reais(20), 1, reais(5)});
        FAIL() << "settled a balance of 0";
    } catch (const data::Refusal& refusal) {
        EXPECT_STREQ(refusal.what(), "Não Existe Saldo Para Baixa!");
    }
}

TEST_P(AccountPaymentsStationsTest, NotesSettledByAnotherStationMeanwhileAreNotSettledTwice) {
    const std::vector<std::int64_t> notes{note(kClient, 50, "101"), note(kClient, 70, "102")};
    const pid_t other = testsupport::spawn([&] {
        testsupport::RecordingMessages quiet;
        data::Tdm station(dataSet(), quiet);
        sales::settleNotes(station, {kClient, notes, reais(20), 1, reais(100)});
        return 0;
    });
    ASSERT_EQ(testsupport::exitCodeOf(other), 0);
    EXPECT_THROW(sales::settleNotes(dm, {kClient, notes, reais(20), 1, reais(100)}), data::Refusal);
    const Disk after = disk();
    EXPECT_EQ(after.dinheiro, reais(100));  // once
    EXPECT_EQ(after.received, 1);
}

// A closed cash takes no money: neither credit bought nor notes settled.
TEST_F(AccountPaymentsTest, WithTheCashClosedNeitherCreditNorSettlementIsWritten) {
    const std::vector<std::int64_t> notes{note(kClient, 50, "101")};
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    dm.TbCaixa.edit();
    dm.TbCaixa.field("Status").setString("FECHADO");
    dm.TbCaixa.post();
    dm.TbCaixa.close();
    const Disk before = disk();
    const std::vector<std::pair<const char*, std::function<void()>>> actions{
        {"credit", [&] { sales::registerCreditPurchase(dm, kClient, 1, reais(50)); }},
        {"settlement",
         [&] {
             sales::settleNotes(dm, {kClient, notes, reais(20), 1, reais(30)});
         }},
    };
    for (const auto& [what, action] : actions) {
        SCOPED_TRACE(what);
        try {
            action();
            ADD_FAILURE() << "written";
        } catch (const data::Refusal& refusal) {
            EXPECT_STREQ(refusal.what(), "O Caixa Não Está Aberto!!!");
        }
        const Disk after = disk();
        EXPECT_EQ(after.cashTotal, before.cashTotal);
        EXPECT_EQ(after.elaine, before.elaine);
        EXPECT_EQ(after.elaineNotes, before.elaineNotes);
        EXPECT_EQ(after.received, before.received);
    }
}

}  // namespace

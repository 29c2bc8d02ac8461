// Registering and deleting ledger lines, and the day balances that follow them.
#include <gtest/gtest.h>

#include "bank/ledger.h"
#include "bank_fixture.h"

namespace banktest {
namespace {

using core::Date;

constexpr Date kToday{2025, 5, 2};
constexpr Date kDay{2025, 5, 10};

bank::Entry entry(const char* operacao, const char* valor, const std::string& conta = "11") {
    return {conta, kToday, operacao, "000777", kDay, reais(valor), "DEPOSITO"};
}

TEST_F(BankTest, ACreditAndADebitOfOneDayShareItsBalanceAndDeletingOneTakesItBack) {
    bank::registerEntry(dm, entry(bank::kCredito, "100,00"));
    const std::int64_t debit = bank::registerEntry(dm, entry(bank::kDebito, "30,00"));
    EXPECT_EQ(balance("11", kDay), reais("70,00"));
    EXPECT_EQ(count(dm.TbSaldos), 1);

    dm.TbBanco.open();
    ASSERT_TRUE(dm.TbBanco.findKey({debit}));
    EXPECT_EQ(dm.TbBanco.field("Conta").asString(), "11");
    EXPECT_EQ(dm.TbBanco.field("Banco").asString(), "BANCO DO B");
    EXPECT_EQ(dm.TbBanco.field("Agencia").asString(), "0042");
    EXPECT_EQ(dm.TbBanco.field("DataLan").asDate(), kToday);
    EXPECT_EQ(dm.TbBanco.field("DataApre").asDate(), kDay);
    EXPECT_EQ(dm.TbBanco.field("Valor").asCurrency(), reais("30,00"));
    EXPECT_EQ(dm.TbBanco.field("ValorDebto").asCurrency(), reais("-30,00"));
    EXPECT_EQ(dm.TbBanco.field("ValorCredito").asCurrency(), reais("0,00"));
    EXPECT_EQ(dm.TbBanco.field("Situacao").asString(), "PAGAR");
    EXPECT_EQ(dm.TbBanco.field("Descricao").asString(), "SIM");
    EXPECT_EQ(dm.TbBanco.field("Ndocumento").asString(), "000777");
    dm.TbBanco.close();

    bank::deleteEntry(dm, debit);
    EXPECT_EQ(balance("11", kDay), reais("100,00"));
    EXPECT_EQ(count(dm.TbBanco), 1);
}

TEST_F(BankTest, RegisteringChecksEverythingItStoresAndWritesNothingWhenRefused) {
    struct Case {
        const char* what;
        bank::Entry entry;
        const char* message;
    };
    bank::Entry noDue = entry(bank::kCredito, "50,00");
    noDue.vencimento = {};
    bank::Entry noDate = entry(bank::kCredito, "50,00");
    noDate.dataLan = {};
    const Case cases[] = {
        {"no account", entry(bank::kCredito, "50,00", ""), "Conta Bancária Inexistente!"},
        {"unknown account", entry(bank::kCredito, "50,00", "99"), "Conta Bancária Inexistente!"},
        {"no effective date", noDue, "Digite a Data de Vencimento!"},
        {"no entry date", noDate, "Digite a Data do Lançamento!"},
        {"credit typed without its accent", entry("CREDITO", "50,00"),
         "Selecione o Tipo de Operação CRÉDITO ou DÉBTO!"},
        {"no operation", entry("", "50,00"), "Selecione o Tipo de Operação CRÉDITO ou DÉBTO!"},
        {"below the minimum", entry(bank::kCredito, "0,50"), "Digite o Valor do Lançamento!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectRefusal(c.message, [&] { bank::registerEntry(dm, c.entry); });
        EXPECT_EQ(count(dm.TbBanco), 0);
        EXPECT_EQ(count(dm.TbSaldos), 0);
    }
    // The minimum itself is accepted.
    bank::registerEntry(dm, entry(bank::kDebito, "1,00"));
    EXPECT_EQ(balance("11", kDay), reais("-1,00"));
}

TEST_F(BankTest, TheLineGoesUnderTheAccountTypedNotTheOneLastLookedUp) {
    dm.TbConta.open();
    ASSERT_TRUE(dm.TbConta.findKey({store::Value{std::string("11")}}));  // the screen looked up 11 before
    bank::registerEntry(dm, entry(bank::kCredito, "40,00", "22"));
    dm.TbConta.close();
    EXPECT_EQ(balance("22", kDay), reais("40,00"));
    EXPECT_EQ(balance("11", kDay), std::nullopt);
    dm.TbBanco.open();
    dm.TbBanco.first();
    EXPECT_EQ(dm.TbBanco.field("Banco").asString(), "CAIXA");
    dm.TbBanco.close();
}

TEST_F(BankTest, ALineAlreadyDeletedIsRefusedAndTheDayMovesOnce) {
    bank::registerEntry(dm, entry(bank::kCredito, "100,00"));
    const std::int64_t debit = bank::registerEntry(dm, entry(bank::kDebito, "30,00"));
    bank::deleteEntry(dm, debit);
    expectRefusal("O Lançamento Não Existe Mais!", [&] { bank::deleteEntry(dm, debit); });
    EXPECT_EQ(balance("11", kDay), reais("100,00"));
    expectBalancesMatchLines();
}

}  // namespace
}  // namespace banktest

// Transfers between the salon's accounts.
#include <gtest/gtest.h>

#include "bank/transfer.h"
#include "bank_fixture.h"

namespace banktest {
namespace {

using core::Date;

constexpr Date kDay{2025, 6, 5};

bank::Transfer transfer(const char* valor, const std::string& origem = "11",
                        const std::string& destino = "22") {
    return {origem, destino, kDay, "RESERVA", reais(valor)};
}

TEST_F(BankTest, ATransferDebitsTheOriginAndCreditsTheDestinationOnItsDay) {
    bank::transfer(dm, transfer("200,00"));
    EXPECT_EQ(balance("11", kDay), reais("-200,00"));
    EXPECT_EQ(balance("22", kDay), reais("200,00"));

    dm.TbBanco.open();
    ASSERT_EQ(dm.TbBanco.recordCount(), 2);
    for (dm.TbBanco.first(); !dm.TbBanco.eof(); dm.TbBanco.next()) {
        const bool origin = dm.TbBanco.field("Conta").asString() == "11";
        SCOPED_TRACE(origin ? "origin" : "destination");
        EXPECT_EQ(dm.TbBanco.field("Discriminacao").asString(),
                  origin ? "Transferência Para Conta Nº 22" : "Transferência da Conta Nº 11");
        EXPECT_EQ(dm.TbBanco.field("TipoConta").asString(), origin ? "DÉBTO" : "CRÉDITO");
        EXPECT_EQ(dm.TbBanco.field("ValorDebto").asCurrency(), origin ? reais("-200,00") : reais("0,00"));
        EXPECT_EQ(dm.TbBanco.field("ValorCredito").asCurrency(), origin ? reais("0,00") : reais("200,00"));
        EXPECT_EQ(dm.TbBanco.field("Valor").asCurrency(), reais("200,00"));
        EXPECT_EQ(dm.TbBanco.field("Banco").asString(), origin ? "BANCO DO B" : "CAIXA");
        EXPECT_EQ(dm.TbBanco.field("DataLan").asDate(), kDay);
        EXPECT_EQ(dm.TbBanco.field("DataApre").asDate(), kDay);
        EXPECT_EQ(dm.TbBanco.field("PlanoContas").asString(), "RESERVA");
        EXPECT_EQ(dm.TbBanco.field("Situacao").asString(), "");
        EXPECT_EQ(dm.TbBanco.field("Descricao").asString(), "");
    }
    dm.TbBanco.close();
}

TEST_F(BankTest, ATransferIsCheckedWholeBeforeItsFirstLine) {
    struct Case {
        const char* what;
        bank::Transfer transfer;
        const char* message;
    };
    bank::Transfer undated = transfer("200,00");
    undated.data = {};
    const Case cases[] = {
        {"negative value", transfer("-200,00"), "Digite o Valor Para a Transferência!"},
        {"zero", transfer("0,00"), "Digite o Valor Para a Transferência!"},
        {"unknown origin", transfer("200,00", "99"), "Conta Bancária Inexistente!"},
        // the origin line would be written before the destination is found
        {"unknown destination", transfer("200,00", "11", "99"), "Conta Bancária Inexistente!"},
        {"empty destination", transfer("200,00", "11", ""), "Conta Bancária Inexistente!"},
        {"no date", undated, "Digite a Data da Transferência!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectRefusal(c.message, [&] { bank::transfer(dm, c.transfer); });
        EXPECT_EQ(count(dm.TbBanco), 0);
        EXPECT_EQ(count(dm.TbSaldos), 0);
    }
}

TEST_F(BankTest, ATransferToTheSameAccountWritesBothLinesAndLeavesItsDayAlone) {
    bank::transfer(dm, transfer("75,00", "22", "22"));
    EXPECT_EQ(count(dm.TbBanco), 2);
    EXPECT_EQ(balance("22", kDay), reais("0,00"));
}

}  // namespace
}  // namespace banktest

// Paying a bill (with its bank debit), undoing the payment, bills paid at once in cash, and
// the cash withdrawal.
#include <gtest/gtest.h>

#include <functional>

#include "data/refusal.h"
#include "payables/bill_entry.h"
#include "payables/settlement.h"
#include "payables_fixture.h"

namespace payablestest {
namespace {

using core::Date;

constexpr Date kPaidOn{2025, 5, 10};

class SettlementTest : public PayablesTest {
  protected:
    SettlementTest() { addAccount("1234"); }

    std::int64_t openBill(const char* valor, const std::string& conta) {
        payables::BillEntry e = entry(valor, conta);
        payables::saveBill(dm, e);
        return e.bill;
    }

    std::int64_t pay(std::int64_t bill, const std::string& conta) {
        return payables::settleBill(dm, {bill, "DEBITO EM CONTA", conta, "000123", kPaidOn}, kPaidOn);
    }

    template <typename Action>
    void expectRefusal(const char* message, Action action) {
        try {
            action();
            ADD_FAILURE() << message << " not refused";
        } catch (const data::Refusal& refusal) {
            EXPECT_STREQ(refusal.what(), message);
        }
    }
};

TEST_F(SettlementTest, ABillPaidFromAnAccountDebitsItAndReversalTakesTheDebitBack) {
    const std::int64_t paid = pay(openBill("100,00", "1234"), "1234");
    EXPECT_EQ(count(dm.TbPagar), 0);
    ASSERT_EQ(count(dm.TbBaixaP), 1);
    dm.TbBaixaP.open();
    ASSERT_TRUE(dm.TbBaixaP.findKey({paid}));
    EXPECT_EQ(dm.TbBaixaP.field("DataBaixa").asDate(), kPaidOn);
    dm.TbBaixaP.close();

    ASSERT_EQ(count(dm.TbBanco), 1);
    dm.TbBanco.open();
    dm.TbBanco.first();
    EXPECT_EQ(dm.TbBanco.field("Pagar").asInteger(), paid);
    EXPECT_EQ(dm.TbBanco.field("ValorDebto").asCurrency(), reais("-100,00"));
    EXPECT_EQ(dm.TbBanco.field("Situacao").asString(), "PAGAR");
    EXPECT_EQ(dm.TbBanco.field("TipoConta").asString(), "DÉBTO");
    dm.TbBanco.close();
    EXPECT_EQ(balance("1234", kPaidOn), reais("-100,00"));

    const std::int64_t back = payables::reversePaidBill(dm, paid);
    EXPECT_EQ(count(dm.TbBaixaP), 0);
    EXPECT_EQ(count(dm.TbBanco), 0);
    EXPECT_EQ(balance("1234", kPaidOn), reais("0,00"));
    dm.TbPagar.open();
    ASSERT_TRUE(dm.TbPagar.findKey({back}));
    EXPECT_EQ(dm.TbPagar.field("Valor").asCurrency(), reais("100,00"));
    EXPECT_EQ(dm.TbPagar.field("Conta").asString(), "1234");
    dm.TbPagar.close();

    // Paid again: one debit, not two.
    pay(back, "1234");
    EXPECT_EQ(count(dm.TbBanco), 1);
    EXPECT_EQ(balance("1234", kPaidOn), reais("-100,00"));
}

TEST_F(SettlementTest, TheDebitFollowsAnExistingAccountOnly) {
    pay(openBill("80,00", ""), "");
    EXPECT_EQ(count(dm.TbBanco), 0);

    // Tied to an account on entry, paid with the number cleared: no debit, no bank left on the bill.
    const std::int64_t paid = pay(openBill("60,00", "1234"), "");
    EXPECT_EQ(count(dm.TbBanco), 0);
    dm.TbBaixaP.open();
    ASSERT_TRUE(dm.TbBaixaP.findKey({paid}));
    EXPECT_EQ(dm.TbBaixaP.field("Banco").asString(), "");
    dm.TbBaixaP.close();

    const std::int64_t bill = openBill("50,00", "");
    expectRefusal("Conta Bancária Inexistente!", [&] { pay(bill, "9999"); });
    expectRefusal("Conta Bancária Inexistente!", [&] { payables::saveBill(dm, entry("10,00", "9999")); });
    expectRefusal("Indique a Data de Pagamento!", [&] {
        payables::settleBill(dm, {bill, "DINHEIRO", "", "", Date{}});
    });
    EXPECT_EQ(count(dm.TbPagar), 2);  // the bill above and the refused entry's empty record
    EXPECT_EQ(count(dm.TbBanco), 0);
}

TEST_F(SettlementTest, ABillThatIsGoneIsRefused) {
    const std::int64_t bill = openBill("50,00", "");
    const std::int64_t paid = pay(bill, "");
    expectRefusal("O Lançamento Não Existe Mais!", [&] { pay(bill, ""); });
    expectRefusal("O Lançamento Não Existe Mais!", [&] { payables::deleteBill(dm, bill); });
    expectRefusal("O Lançamento Não Existe Mais!", [&] { payables::reversePaidBill(dm, 0); });
    payables::deletePaidBill(dm, paid);
    expectRefusal("O Lançamento Não Existe Mais!", [&] { payables::deletePaidBill(dm, paid); });
    expectRefusal("O Lançamento Não Existe Mais!", [&] { payables::reversePaidBill(dm, paid); });
    EXPECT_EQ(count(dm.TbPagar), 0);
}

TEST_F(SettlementTest, ABillWhoseAmountChangedSinceItWasShownIsRefused) {
    const std::int64_t bill = openBill("100,00", "1234");
    dm.TbPagar.open();
    ASSERT_TRUE(dm.TbPagar.findKey({bill}));
    dm.TbPagar.edit();  // another station corrects the amount
    dm.TbPagar.field("Valor").setCurrency(reais("120,00"));
    dm.TbPagar.post();
    dm.TbPagar.close();
    payables::Payment payment{bill, "BOLETO", "1234", "", kPaidOn, reais("100,00")};
    expectRefusal("O Lançamento Foi Alterado em Outra Estação! Pesquise Novamente.",
                  [&] { payables::settleBill(dm, payment, kPaidOn); });
    EXPECT_EQ(count(dm.TbBaixaP), 0);
    EXPECT_EQ(count(dm.TbBanco), 0);
    payment.seen = reais("120,00");
    payables::settleBill(dm, payment, kPaidOn);
    EXPECT_EQ(balance("1234", kPaidOn), reais("-120,00"));
}

TEST_F(SettlementTest, ABillInCashIsPaidTodayWithoutTouchingDrawerOrBank) {
    const Date today{2025, 5, 20};
    EXPECT_TRUE(payables::saveBill(dm, entry("45,00", "", "DINHEIRO"), today));
    EXPECT_EQ(count(dm.TbPagar), 0);
    dm.TbBaixaP.open();
    dm.TbBaixaP.first();
    EXPECT_EQ(dm.TbBaixaP.field("DataBaixa").asDate(), today);
    EXPECT_EQ(dm.TbBaixaP.field("DataLan").asDate(), (Date{2025, 5, 10}));  // its due date
    EXPECT_EQ(dm.TbBaixaP.field("Fornecedor").asString(), "FORNECEDOR - PRÓPRIO");
    EXPECT_EQ(dm.TbBaixaP.field("Plano").asString(), "Contas Diversas");
    dm.TbBaixaP.close();
    EXPECT_EQ(count(dm.TbBanco), 0);
    EXPECT_EQ(count(dm.TbCaixa), 0);
}

TEST_F(SettlementTest, AWithdrawalNeedsAnOpenCashAndCannotBeReversed) {
    addCash("FECHADO");
    payables::BillEntry e = entry("50,00");
    expectRefusal("O Caixa Não Está Aberto!!!", [&] { payables::withdrawCash(dm, e); });
    EXPECT_EQ(count(dm.TbBaixaP), 0);

    dm.TbCaixa.open();
    dm.TbCaixa.last();
    dm.TbCaixa.edit();
    dm.TbCaixa.field("Status").setString("ABERTO");
    dm.TbCaixa.post();
    dm.TbCaixa.close();
    const std::int64_t paid = payables::withdrawCash(dm, e);
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    EXPECT_EQ(dm.TbCaixa.field("DinheiroTOTAL").asCurrency(), reais("50,00"));
    dm.TbCaixa.close();
    EXPECT_EQ(count(dm.TbPagar), 0);
    expectRefusal("Uma Retirada do Caixa Não Pode Ser Estornada!",
                  [&] { payables::reversePaidBill(dm, paid); });
    EXPECT_EQ(count(dm.TbBaixaP), 1);
}

// Undoing a withdrawal here would take it out of the conference while the cash keeps it;
// undoing an advance here would lose its employee and so its deduction from the commissions.
TEST_F(SettlementTest, NeitherAWithdrawalNorAnAdvanceIsReversedOrDeletedFromThePaidBills) {
    addCash("ABERTO");
    payables::BillEntry e = entry("50,00");
    const std::int64_t withdrawal = payables::withdrawCash(dm, e);
    add(dm.TbBaixaP, {{"Contador", std::int64_t{900}},
                      {"DataBaixa", "2025-05-10"},
                      {"CodFUN", std::int64_t{3}},
                      {"Funcionario", "BRUNO"},
                      {"TipoDOC", "VALE"},
                      {"Valor", 20.0}});
    constexpr std::int64_t advance = 900;
    const char* const kAdvanceRefusal = "Um Vale Só Pode Ser Excluído no Controle de Vales!";
    const struct {
        const char* what;
        std::function<void()> undo;
        const char* refusal;
    } cases[] = {
        {"withdrawal reversed", [&] { payables::reversePaidBill(dm, withdrawal); },
         "Uma Retirada do Caixa Não Pode Ser Estornada!"},
        {"withdrawal deleted", [&] { payables::deletePaidBill(dm, withdrawal); },
         "Uma Retirada do Caixa Não Pode Ser Excluída!"},
        {"advance reversed", [&] { payables::reversePaidBill(dm, advance); }, kAdvanceRefusal},
        {"advance deleted", [&] { payables::deletePaidBill(dm, advance); }, kAdvanceRefusal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        expectRefusal(c.refusal, c.undo);
        EXPECT_EQ(count(dm.TbBaixaP), 2);
        EXPECT_EQ(count(dm.TbPagar), 0);
    }
}

TEST_F(SettlementTest, PayingReversingDeletingAndWithdrawingEachLeaveOneRowOfTheTrailAndRefusalsNone) {
    const std::int64_t reversed = pay(openBill("100,00", "1234"), "1234");
    const std::int64_t deleted = pay(openBill("60,00", ""), "");
    addCash("ABERTO");
    const std::int64_t withdrawal = payables::withdrawCash(dm, entry("50,00"));
    const std::int64_t back = payables::reversePaidBill(dm, reversed);
    payables::deletePaidBill(dm, deleted);
    expectRefusal("Uma Retirada do Caixa Não Pode Ser Estornada!",
                  [&] { payables::reversePaidBill(dm, withdrawal); });

    const auto trail = testsupport::auditTrail(dataSet());
    std::vector<std::string> actions;
    for (const auto& row : trail) actions.push_back(row.acao);
    ASSERT_EQ(actions, (std::vector<std::string>{"Pagamento de Conta", "Pagamento de Conta", "Retirada do Caixa",
                                                 "Estorno de Conta Paga", "Exclusão de Conta Paga"}));
    EXPECT_NE(trail[2].resumo.find("R$ 50,00"), std::string::npos) << trail[2].resumo;
    EXPECT_EQ(trail[3].chave, std::to_string(reversed));
    EXPECT_NE(trail[3].resumo.find("R$ 100,00"), std::string::npos) << trail[3].resumo;
    EXPECT_NE(trail[3].resumo.find("conta " + std::to_string(back)), std::string::npos) << trail[3].resumo;
    EXPECT_NE(trail[4].resumo.find("R$ 60,00"), std::string::npos) << trail[4].resumo;
}

}  // namespace
}  // namespace payablestest

// The day balances stay the sum of their lines whatever the ledger, the transfers and the
// payables do to it, in any order.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "bank/ledger.h"
#include "bank/transfer.h"
#include "bank_fixture.h"
#include "data/store/posting.h"
#include "payables/bill_entry.h"
#include "payables/settlement.h"

namespace banktest {
namespace {

using core::Date;

constexpr Date kMay10{2025, 5, 10};
constexpr Date kMay11{2025, 5, 11};

class BalanceRuleTest : public BankTest {
  public:  // the steps below call them
    std::int64_t credit(const char* valor, const Date& day, const std::string& conta = "11") {
        return last =
                   bank::registerEntry(dm, {conta, day, bank::kCredito, "", day, reais(valor), "DEPOSITO"});
    }
    std::int64_t debit(const char* valor, const Date& day, const std::string& conta = "11") {
        return last = bank::registerEntry(dm, {conta, day, bank::kDebito, "", day, reais(valor), "CHEQUE"});
    }
    void deleteLast() { bank::deleteEntry(dm, last); }
    void transfer(const char* valor, const Date& day) {
        bank::transfer(dm, {"11", "22", day, "", reais(valor)});
    }

    // A bill of `valor` paid from account 11 on `day`: its bank debit.
    void settle(const char* valor, const Date& day) {
        store::Table& pagar = dm.TbPagar;
        pagar.open();
        store::post({&pagar, &dm.TbContador}, [&] {
            pagar.insert();
            pagar.post();
        });
        payables::BillEntry bill;
        bill.bill = pagar.field("Contador").asInteger();
        pagar.close();
        bill.dataLan = day;
        bill.dataVen = day;
        bill.valor = reais(valor);
        bill.descricao = "LUZ";
        bill.formaPG = "BOLETO";
        bill.conta = "11";
        payables::saveBill(dm, bill);
        paid = payables::settleBill(dm, {bill.bill, "DEBITO EM CONTA", "11", "", day}, day);
    }
    void reverseSettlement() { payables::reversePaidBill(dm, paid); }

    std::int64_t last = 0;
    std::int64_t paid = 0;
};

TEST_F(BalanceRuleTest, EveryDayBalanceIsTheSumOfItsLinesAfterAnySequence) {
    using Step = std::function<void(BalanceRuleTest&)>;
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"credit", {[](auto& t) { t.credit("100,00", kMay10); }}},
        {"debit", {[](auto& t) { t.debit("30,00", kMay10); }}},
        {"credit, debit, delete the debit",
         {[](auto& t) { t.credit("100,00", kMay10); }, [](auto& t) { t.debit("30,00", kMay10); },
          [](auto& t) { t.deleteLast(); }}},
        {"delete the only line of a day",
         {[](auto& t) { t.credit("10,00", kMay11); }, [](auto& t) { t.deleteLast(); }}},
        {"transfer over existing days",
         {[](auto& t) { t.credit("500,00", kMay10); }, [](auto& t) { t.transfer("200,00", kMay10); },
          [](auto& t) { t.transfer("50,00", kMay11); }}},
        {"settlement debit beside ledger lines",
         {[](auto& t) { t.credit("300,00", kMay10); }, [](auto& t) { t.settle("120,00", kMay10); },
          [](auto& t) { t.debit("20,00", kMay10); }}},
        {"settlement reversed",
         {[](auto& t) { t.settle("120,00", kMay10); }, [](auto& t) { t.credit("5,00", kMay10); },
          [](auto& t) { t.reverseSettlement(); }}},
        {"everything, then deletes",
         {[](auto& t) { t.credit("1000,00", kMay10); }, [](auto& t) { t.transfer("250,00", kMay10); },
          [](auto& t) { t.settle("99,90", kMay11); }, [](auto& t) { t.debit("12,34", kMay11, "22"); },
          [](auto& t) { t.deleteLast(); }, [](auto& t) { t.reverseSettlement(); },
          [](auto& t) { t.debit("1,00", kMay11); }}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BalanceRuleTest& self = *this;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            SCOPED_TRACE(i);
            c.steps[i](self);
            expectBalancesMatchLines();
        }
    }
}

}  // namespace
}  // namespace banktest

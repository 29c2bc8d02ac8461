// Due dates chained month by month, amounts split into cents, and the run that replaces a
// bill by its installments all at once.
#include <gtest/gtest.h>

#include "data/refusal.h"
#include "data/store/posting.h"
#include "payables/installments.h"
#include "payables_fixture.h"

namespace payablestest {
namespace {

using core::Date;
using payables::addMonth;

TEST(AddMonth, KeepsTheDayOrTakesTheLastOfAShorterMonth) {
    struct Case {
        Date from, expected;
    };
    const Case cases[] = {
        {{2025, 1, 31}, {2025, 2, 28}},  {{2024, 1, 31}, {2024, 2, 29}}, {{2025, 2, 28}, {2025, 3, 28}},
        {{2024, 12, 31}, {2025, 1, 31}}, {{2025, 3, 15}, {2025, 4, 15}}, {{2025, 3, 31}, {2025, 4, 30}},
    };
    for (const Case& c : cases) EXPECT_EQ(addMonth(c.from), c.expected) << c.from.toIso();
}

TEST(SplitAmount, RoundsToCentsAndTheLastTakesTheRest) {
    struct Case {
        const char* total;
        int count;
        std::vector<const char*> expected;
    };
    const Case cases[] = {
        {"300,00", 3, {"100,00", "100,00", "100,00"}},
        {"100,00", 3, {"33,33", "33,33", "33,34"}},
        {"200,00", 3, {"66,67", "66,67", "66,66"}},
        {"10,00", 1, {"10,00"}},
    };
    for (const Case& c : cases) {
        std::vector<core::Currency> expected;
        for (const char* e : c.expected) expected.push_back(reais(e));
        EXPECT_EQ(payables::splitAmount(reais(c.total), c.count), expected) << c.total << " in " << c.count;
    }
}

class InstallmentRunTest : public PayablesTest {
  protected:
    std::int64_t savedBill(const char* valor, const std::string& documento = "NF10") {
        payables::BillEntry e = entry(valor);
        e.documento = documento;
        e.codFor = "7";
        payables::saveBill(dm, e);
        return e.bill;
    }

    // Every bill as "DataVen Documento Dias cents CodFor".
    std::vector<std::string> installments() {
        std::vector<std::string> rows;
        store::Table& t = dm.TbPagar;
        t.open();
        t.setIndexName("siData");
        for (t.first(); !t.eof(); t.next())
            rows.push_back(t.field("DataVen").asDate().toIso() + " " + t.field("Documento").asString() + " " +
                           std::to_string(static_cast<int>(t.field("Dias").asFloat())) + " " +
                           std::to_string(t.field("Valor").asCurrency().units() / 100) + " " +
                           t.field("CodFor").asString());
        t.close();
        return rows;
    }
};

TEST_F(InstallmentRunTest, ReplacesTheBillByItsInstallmentsChainedFromTheFirstDueDate) {
    const std::int64_t bill = savedBill("100,00");
    payables::splitBill(dm, {bill, "4", std::nullopt, "31/12/24"});
    EXPECT_EQ(installments(),
              (std::vector<std::string>{"2024-12-31 NF10/1 1 2500 7", "2025-01-31 NF10/2 2 2500 7",
                                        "2025-02-28 NF10/3 3 2500 7", "2025-03-28 NF10/4 4 2500 7"}));
}

TEST_F(InstallmentRunTest, AmountsAddUpAndATypedValueIsKept) {
    payables::splitBill(dm, {savedBill("100,00"), "3", std::nullopt, "31/01/25"});
    std::vector<std::string> rows = installments();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[0].find("3333"), std::string::npos) << rows[0];
    EXPECT_NE(rows[2].find("3334"), std::string::npos) << rows[2];

    payables::splitBill(dm, {savedBill("100,00", ""), "2", reais("40,00"), "10/06/25"});
    rows = installments();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[3], "2025-06-10 Parcela -  1 4000 7");
}

TEST_F(InstallmentRunTest, AnInvalidEntryIsRefusedBeforeAnythingIsWritten) {
    struct Case {
        const char* installments;
        std::optional<core::Currency> typed;
        const char* firstDue;
        const char* codFor;
        const char* message;
    };
    const Case cases[] = {
        {"0", std::nullopt, "31/01/25", "7", "Digite o Número de Parcelas!"},
        {"", std::nullopt, "31/01/25", "7", "Digite o Número de Parcelas!"},
        {"2,5", std::nullopt, "31/01/25", "7", "Digite o Número de Parcelas!"},
        {"3", std::nullopt, "  /  /  ", "7", "Digite a Data do 1º Vencimento!"},
        {"3", std::nullopt, "31/02/25", "7", "Digite a Data do 1º Vencimento!"},
        {"3", std::nullopt, "31/01/25", "X7", "Código de Fornecedor Inválido!"},
        {"3", reais("0,09"), "31/01/25", "7", "Digite o Valor da Parcela!"},
        {"2000", std::nullopt, "31/01/25", "7", "Digite o Número de Parcelas!"},
    };
    for (const Case& c : cases) {
        payables::BillEntry e = entry("100,00");
        e.codFor = c.codFor;
        payables::saveBill(dm, e);
        try {
            payables::splitBill(dm, {e.bill, c.installments, c.typed, c.firstDue});
            ADD_FAILURE() << c.message << " not refused";
        } catch (const data::Refusal& refusal) {
            EXPECT_STREQ(refusal.what(), c.message);
        }
        EXPECT_EQ(installments().size(), 1u) << c.message;  // the bill, untouched
        payables::deleteBill(dm, e.bill);
    }
}

TEST_F(InstallmentRunTest, AFailureHalfwayLeavesTheBillAndNoInstallment) {
    const std::int64_t bill = savedBill("300,00");
    int posts = 0;
    dm.TbPagar.afterPost = [&posts](store::Table&) {
        if (++posts == 2) throw std::runtime_error("disco cheio");
    };
    EXPECT_THROW(payables::splitBill(dm, {bill, "3", std::nullopt, "31/01/25"}), std::runtime_error);
    dm.TbPagar.afterPost = nullptr;
    const std::vector<std::string> rows = installments();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], "2025-05-10 NF10 0 30000 7");
}

}  // namespace
}  // namespace payablestest

// The payment forms' stored words and cash fields, in the one table every part reads.
#include <gtest/gtest.h>

#include <array>

#include "data/payment_form.h"

namespace {

using data::PaymentForm;

TEST(PaymentForm, EachFormHasItsStoredWordAndCashFieldAndIsFoundByItsWord) {
    const struct {
        PaymentForm form;
        const char* word;
        std::optional<std::string_view> field;
    } cases[] = {{PaymentForm::Dinheiro, "DINHEIRO", "Dinheiro"}, {PaymentForm::Cheque, "CHEQUE", "Cheque"},
                 {PaymentForm::Cartao, "CARTÃO", "Cartao"},       {PaymentForm::Notinha, "NOTINHA", "TEF"},
                 {PaymentForm::Credito, "CRÉDITO", std::nullopt}, {PaymentForm::Debito, "DÉBITO", "Debito"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(data::storedWord(c.form), c.word);
        EXPECT_EQ(data::cashField(c.form), c.field);
        EXPECT_EQ(data::paymentFormOf(c.word), c.form);
    }
    // Exact words only: what a report counts as "others".
    for (const char* other : {"", "CARTAO", "dinheiro", "DINHEIRO ", "CHEQUE À VISTA"})
        EXPECT_EQ(data::paymentFormOf(other), std::nullopt) << other;
}

TEST(PaymentForm, AScreensCodeNamesTheFormAtItsPlaceAndNothingOutside) {
    constexpr std::array kByCode{PaymentForm::Dinheiro, PaymentForm::Cheque, PaymentForm::Debito};
    EXPECT_EQ(data::wordOfCode(1, kByCode), "DINHEIRO");
    EXPECT_EQ(data::wordOfCode(3, kByCode), "DÉBITO");
    for (int outside : {0, -1, 4, 99}) EXPECT_EQ(data::wordOfCode(outside, kByCode), std::nullopt) << outside;
}

}  // namespace

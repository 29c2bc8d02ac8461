#include "data/payment_form.h"

namespace data {

namespace {

struct FormText {
    PaymentForm form;
    std::string_view word;
    std::optional<std::string_view> cashField;
};

constexpr FormText kForms[] = {
    {PaymentForm::Dinheiro, "DINHEIRO", "Dinheiro"}, {PaymentForm::Cheque, "CHEQUE", "Cheque"},
    {PaymentForm::Cartao, "CARTÃO", "Cartao"},       {PaymentForm::Notinha, "NOTINHA", "TEF"},
    {PaymentForm::Credito, "CRÉDITO", std::nullopt}, {PaymentForm::Debito, "DÉBITO", "Debito"},
};

const FormText& textOf(PaymentForm form) {
    return kForms[static_cast<int>(form)];
}

}  // namespace

std::string_view storedWord(PaymentForm form) {
    return textOf(form).word;
}

std::optional<std::string_view> cashField(PaymentForm form) {
    return textOf(form).cashField;
}

std::optional<PaymentForm> paymentFormOf(std::string_view word) {
    for (const FormText& text : kForms)
        if (text.word == word) return text.form;
    return std::nullopt;
}

std::optional<std::string> wordOfCode(int code, std::span<const PaymentForm> byCode) {
    if (code < 1 || static_cast<std::size_t>(code) > byCode.size()) return std::nullopt;
    return std::string(storedWord(byCode[static_cast<std::size_t>(code - 1)]));
}

}  // namespace data

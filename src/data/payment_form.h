#pragma once
// The six forms the salon is paid in, written once: the word stored with a sale, a received
// amount or a credit purchase (TbServico.TipoPG and the like), and the TbCaixa field its money
// feeds. The codes a cashier types belong to each payment screen, not here.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace data {

enum class PaymentForm { Dinheiro, Cheque, Cartao, Notinha, Credito, Debito };

// "DINHEIRO", "CHEQUE", "CARTÃO", "NOTINHA", "CRÉDITO", "DÉBITO".
std::string_view storedWord(PaymentForm form);

// The TbCaixa field that adds up this form's takings: "Dinheiro", "Cheque", "Cartao", "TEF"
// (the notes), "Debito"; none for "CRÉDITO", which spends the client's credit, not money.
std::optional<std::string_view> cashField(PaymentForm form);

// The form a stored word names, compared exactly; nothing for any other word.
std::optional<PaymentForm> paymentFormOf(std::string_view word);

// The stored word of the form a screen's code names, 1 being the first of `byCode`; nothing
// for any other code.
std::optional<std::string> wordOfCode(int code, std::span<const PaymentForm> byCode);

}  // namespace data

#pragma once
// Paying a bill, undoing a payment, and deleting a paid bill: each one posting, with the
// bill locked and read again first.
#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace payables {

// What the settlement panel holds at "REGISTRAR".
struct Payment {
    std::int64_t bill = 0;  // TbPagar.Contador
    std::string formaPG;    // "Forma de PGTO."
    std::string conta;      // "Nº Conta:"; empty: not paid through a bank account
    std::string cheque;     // "Nº Cheque:"
    core::Date paidOn;      // "Data PGTO."
    // "Valor R$" as the panel showed it; none when no one saw it.
    std::optional<core::Currency> seen;
};

// Moves the bill into TbBaixaP paid on `paidOn` and, when it is paid through an existing
// bank account, writes the debit into TbBanco (linked by Pagar; its hook keeps TbSaldos).
// Refuses, writing nothing: no payment date ("Indique a Data de Pagamento!"), an account
// number that is no account ("Conta Bancária Inexistente!"), a bill that is gone, a bill
// whose amount changed at another station since it was shown. Returns the paid bill's number
// (TbBaixaP.Contador).
std::int64_t settleBill(data::Tdm& dm, const Payment& payment, const core::Date& today = core::Date::today());

// "Estornar": the paid bill goes back to TbPagar as a new bill, and the bank debit of its
// payment leaves TbBanco and the day's balance in TbSaldos. A cash withdrawal ("RETIRADA")
// is refused: its money already left the drawer; so is an employee advance, which only the
// advances screen undoes. Returns the new bill number.
std::int64_t reversePaidBill(data::Tdm& dm, std::int64_t paidBill);

// "Excluir": the paid bill is removed for good; nothing else changes. Refused, as reversing
// is, for a withdrawal or an advance.
void deletePaidBill(data::Tdm& dm, std::int64_t paidBill);

}  // namespace payables

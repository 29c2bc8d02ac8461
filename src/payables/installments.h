#pragma once
// Splitting a bill into monthly installments: the amounts, the due dates, and the run that
// replaces the bill by its installments in one posting.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace payables {

// One calendar month later, on the same day, or on the last day of a shorter month
// (31/01 → 28/02, 29/02 in a leap year).
core::Date addMonth(const core::Date& date);

// `count` installments of `total`, each rounded to cents, the last taking what is left so
// they add up to the total (100,00 in 3: 33,33 / 33,33 / 33,34). A sum in cents nobody can
// pay is never proposed.
std::vector<core::Currency> splitAmount(core::Currency total, int count);

// What the installment panel holds when "Registrar" is pressed.
struct InstallmentRun {
    std::int64_t bill = 0;                     // TbPagar.Contador of the bill being split
    std::string installments;                  // "Nº de Parcelas", as typed
    std::optional<core::Currency> typedValue;  // "VL. Parcela R$" when the user typed over it
    std::string firstDue;                      // "1º Vencimento", as typed
};

// Replaces the bill by its installments, in one posting over TbPagar, TbPagarPC and
// TbContador: each gets a new bill number, its installment number in Dias, the document
// number + "/n" (or "Parcela - n", cut to the field), and its due date chained from the
// previous one. Refuses, writing nothing, a number of installments that is not a whole
// number of 1 or more ("Digite o Número de Parcelas!"), a first due date that is no date
// ("Digite a Data do 1º Vencimento!"), a supplier code that is not a whole number ("Código
// de Fornecedor Inválido!"), an installment below 0,10 ("Digite o Valor da Parcela!") and a
// bill that is gone. Returns the new bill numbers.
std::vector<std::int64_t> splitBill(data::Tdm& dm, const InstallmentRun& run);

}  // namespace payables

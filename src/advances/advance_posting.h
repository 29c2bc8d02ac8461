#pragma once
// An employee advance ("VALE"): money paid ahead of commissions, in cash or by cheque, kept
// as an already paid bill in TbBaixaP under the chart-of-accounts code "5". While it is
// being entered it is a record of TbPagar; saving moves it, all at once, to TbBaixaP.
#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/date.h"
#include "reports/advance_receipt.h"

namespace data {
class Tdm;
}

namespace advances {

struct Advance {
    std::int64_t pending = 0;  // the TbPagar record "&Novo" stored
    std::int64_t employeeCode = 0;
    core::Currency value;
    std::string description;
    bool byCheque = false;
    std::string cheque;
};

// The chart-of-accounts heading "5" as it is named now; nothing when it is not on file.
std::optional<std::string> advancePlanName(data::Tdm& dm);

// "&Novo": stores the advance's TbPagar record with today's dates and the plan "5" "Vale Para
// Funcionários", and leaves TbPagar open on it. Returns its number.
std::int64_t startAdvance(data::Tdm& dm, const core::Date& today = core::Date::today());

// The checks of "&Gravar" and of "Imprimir", in order, with the employee looked up again by
// the code typed (a name filled in for an earlier code does not count). Refuses with
// data::Refusal: "Digite o Valor do Documento!" (below 0,10, or from one thousand million
// on), "Selecione o Funcionário Para o Vale!" (no code), "Não Existe Funcionário Com Este
// Código!", "Digite o Número do Cheque Emitido!". Returns the receipt as it would print,
// the value rounded to the centavo so that figures and words agree.
reports::AdvanceReceipt checkAdvance(data::Tdm& dm, const Advance& advance,
                                     const core::Date& today = core::Date::today());

// "&Gravar": the checks, then one posting: the pending TbPagar record, read again under its
// lock, is removed and the advance written to TbBaixaP (heading "5" under its name now,
// "VALE", "PRÓPRIO SALÃO", the form
// chosen, the cheque number only for a cheque, paid today). A pending record already gone
// (saved or deleted at another station) is refused: the advance is never written twice.
// Returns the saved advance's receipt and its TbBaixaP number.
struct SavedAdvance {
    std::int64_t number = 0;
    reports::AdvanceReceipt receipt;
};
SavedAdvance saveAdvance(data::Tdm& dm, const Advance& advance,
                         const core::Date& today = core::Date::today());

// "&Excluir": the pending record removed.
void discardAdvance(data::Tdm& dm, std::int64_t pending);

}  // namespace advances

#pragma once
// Moving an amount from one of the salon's accounts to another: a debit on the origin and
// a credit on the destination, effective on the transfer date, in one posting.
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace bank {

// What "TRANSFERÊNCIA BANCÁRIA" holds at "TRANFERIR".
struct Transfer {
    std::string origem;         // "Nº da Conta:"
    std::string destino;        // "Nº da Conta:" under "Transferir Para:"
    core::Date data;            // "Data:"
    std::string identificacao;  // "Identificação:"
    core::Currency valor;       // "Valor:"
};

// Both accounts are looked up now and the date and value checked before the first write;
// refuses, writing nothing: a value of 0 or less ("Digite o Valor Para a Transferência!"),
// no date ("Digite a Data da Transferência!"), an empty or unknown account ("Conta Bancária
// Inexistente!"). A transfer to the same account writes both lines.
void transfer(data::Tdm& dm, const Transfer& transfer);

}  // namespace bank

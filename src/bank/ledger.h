#pragma once
// The bank ledger: registering a movement and deleting one, each one posting with the
// line and its effect on the day's balance (TbSaldos) together.
#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace bank {

inline constexpr const char* kCredito = "CRÉDITO";
inline constexpr const char* kDebito = "DÉBTO";

// What the ledger screen holds at "&REGISTRAR".
struct Entry {
    std::string conta;       // "Nº da Conta:"
    core::Date dataLan;      // "Data:"
    std::string operacao;    // "Operação:", one of kCredito / kDebito
    std::string ndocumento;  // "Nº Documento:"
    core::Date vencimento;   // "Vencimento:", the day the movement counts
    core::Currency valor;    // "Valor R$"
    std::string historico;   // "Histórico:"
};

// Stores the entry under the account typed, looked up now. Refuses, writing nothing:
// a value below 1,00 ("Digite o Valor do Lançamento!"), an operation outside the list
// ("Selecione o Tipo de Operação CRÉDITO ou DÉBTO!"), an unknown account, an entry or
// effective date missing ("Digite a Data do Lançamento!", "Digite a Data de Vencimento!").
// Returns its Numero.
std::int64_t registerEntry(data::Tdm& dm, const Entry& entry);

// Removes the line and takes its amounts off its day's balance. A line another station
// removed already is refused ("O Lançamento Não Existe Mais!").
void deleteEntry(data::Tdm& dm, std::int64_t numero);

}  // namespace bank

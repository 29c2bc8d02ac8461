#pragma once
// What the ledger functions share: the account a line is written to, found by its number,
// and the writing of one TbBanco line (its hooks number it and add it to its day).
#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace bank {

struct Account {
    std::string conta;
    std::string nome;     // TbConta.Nome
    std::string agencia;  // TbConta.Agencia
};

// The account of that number, looked up now; refuses ("Conta Bancária Inexistente!") an
// empty or unknown number. TbConta must be open.
Account findAccount(data::Tdm& dm, const std::string& conta);

struct Line {
    core::Date dataLan;
    core::Date dataApre;
    std::string tipoConta;  // "CRÉDITO" or "DÉBTO"
    std::string ndocumento;
    std::string discriminacao;
    std::string situacao;
    std::string descricao;
    std::string planoContas;
    core::Currency valor;  // positive; a debit is written as minus the value
};

bool isCredit(const Line& line);

// Inserts and posts the line into TbBanco inside the caller's posting; its Numero.
std::int64_t writeLine(data::Tdm& dm, const Account& account, const Line& line);

}  // namespace bank

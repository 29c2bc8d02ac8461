#pragma once
// The bank account a bill is tied to, found by its number.
#include <optional>
#include <string>

#include "data/store/value.h"

namespace data {
class Tdm;
}
namespace store {
class Table;
}

namespace payables {

struct BankAccount {
    std::string conta;
    store::Value nome;     // TbConta.Nome, the bill's Banco
    store::Value agencia;  // TbConta.Agencia
};

// Nothing for an empty number; the account for an existing one; refuses (data::Refusal
// "Conta Bancária Inexistente!") any other. TbConta must be open.
std::optional<BankAccount> findBankAccount(data::Tdm& dm, const std::string& conta);

// Writes the account into the bill (Conta, Banco, Agencia), or clears all three.
void setBankAccount(store::Table& bill, const std::optional<BankAccount>& account);

}  // namespace payables

#include "payables/bank_account.h"

#include "core/text.h"
#include "data/dm.h"
#include "data/refusal.h"

namespace payables {

std::optional<BankAccount> findBankAccount(data::Tdm& dm, const std::string& conta) {
    const std::string number = core::trimmed(conta);
    if (number.empty()) return std::nullopt;
    store::Table& contas = dm.TbConta;
    contas.setIndexName({});
    if (!contas.findKey({store::Value{number}})) throw data::Refusal("Conta Bancária Inexistente!");
    return BankAccount{number, contas.field("Nome").value(), contas.field("Agencia").value()};
}

void setBankAccount(store::Table& bill, const std::optional<BankAccount>& account) {
    if (!account) {
        for (const char* name : {"Conta", "Banco", "Agencia"}) bill.field(name).clear();
        return;
    }
    bill.field("Conta").setString(account->conta);
    bill.field("Banco").setValue(account->nome);
    bill.field("Agencia").setValue(account->agencia);
}

}  // namespace payables

#include "bank/bank_line.h"

#include "bank/ledger.h"
#include "core/text.h"
#include "data/dm.h"
#include "data/refusal.h"

namespace bank {

Account findAccount(data::Tdm& dm, const std::string& conta) {
    const std::string number = core::trimmed(conta);
    store::Table& contas = dm.TbConta;
    contas.setIndexName({});
    if (number.empty() || !contas.findKey({store::Value{number}}))
        throw data::Refusal("Conta Bancária Inexistente!");
    return Account{number, contas.field("Nome").asString(), contas.field("Agencia").asString()};
}

bool isCredit(const Line& line) {
    return line.tipoConta == kCredito;
}

std::int64_t writeLine(data::Tdm& dm, const Account& account, const Line& line) {
    store::Table& banco = dm.TbBanco;
    banco.insert();
    banco.field("Conta").setString(account.conta);
    // The ledger keeps ten characters of the bank's name.
    banco.field("Banco").setString(core::leftCharacters(account.nome, 10));
    banco.field("Agencia").setString(account.agencia);
    banco.field("DataLan").setDate(line.dataLan);
    banco.field("DataApre").setDate(line.dataApre);
    banco.field("TipoConta").setString(line.tipoConta);
    banco.field("Ndocumento").setString(line.ndocumento);
    banco.field("Discriminacao").setString(line.discriminacao);
    banco.field("Situacao").setString(line.situacao);
    banco.field("Descricao").setString(line.descricao);
    banco.field("PlanoContas").setString(line.planoContas);
    banco.field("Valor").setCurrency(line.valor);
    const bool credit = isCredit(line);
    banco.field("ValorCredito").setCurrency(credit ? line.valor : core::Currency());
    banco.field("ValorDebto").setCurrency(credit ? core::Currency() : -line.valor);
    banco.post();
    return banco.field("Numero").asInteger();
}

}  // namespace bank

#include "bank/ledger.h"

#include "bank/bank_line.h"
#include "core/format.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "data/store/posting.h"

namespace bank {

using core::Currency;

std::int64_t registerEntry(data::Tdm& dm, const Entry& entry) {
    if (entry.valor < Currency::fromReais(1)) throw data::Refusal("Digite o Valor do Lançamento!");
    if (entry.operacao != kCredito && entry.operacao != kDebito)
        throw data::Refusal("Selecione o Tipo de Operação CRÉDITO ou DÉBTO!");
    if (entry.dataLan.isNull()) throw data::Refusal("Digite a Data do Lançamento!");
    // Without it the movement would reach no day's balance and no statement.
    if (entry.vencimento.isNull()) throw data::Refusal("Digite a Data de Vencimento!");

    data::OpenedTables open{&dm.TbConta, &dm.TbBanco, &dm.TbSaldos};
    std::int64_t numero = 0;
    store::post({&dm.TbBanco, &dm.TbSaldos, &dm.TbContador}, [&] {
        const Account account = findAccount(dm, entry.conta);
        const bool credit = entry.operacao == kCredito;
        numero = writeLine(dm, account,
                           {entry.dataLan,
                            entry.vencimento,
                            entry.operacao,
                            entry.ndocumento,
                            entry.historico,
                            credit ? "RECEBER" : "PAGAR",
                            "SIM",
                            {},
                            entry.valor});
    });
    return numero;
}

void deleteEntry(data::Tdm& dm, std::int64_t numero) {
    store::Table& banco = dm.TbBanco;
    store::Table& saldos = dm.TbSaldos;
    data::OpenedTables open{&banco, &saldos};
    data::postAudited(dm, {&banco, &saldos}, [&] {
        banco.cancelRange();
        banco.setIndexName({});
        if (numero < 1 || !banco.findKey({numero})) throw data::Refusal("O Lançamento Não Existe Mais!");
        banco.editExisting();  // locked and read again: its amounts as stored now
        const core::Date day = banco.field("DataApre").asDate();
        const Currency amount =
            banco.field("ValorCredito").asCurrency() + banco.field("ValorDebto").asCurrency();
        const store::Value conta = banco.field("Conta").value();
        const data::AuditEntry audited{
            .acao = "Exclusão de Lançamento Bancário",
            .tabela = banco.name(),
            .chave = std::to_string(numero),
            .resumo = "Conta " + banco.field("Conta").asString() + ", " + banco.field("DataLan").asString() + ": " +
                      banco.field("Discriminacao").asString() + ", R$ " + core::formatMoney(amount)};
        banco.cancel();
        saldos.cancelRange();
        saldos.setIndexName({});
        if (!day.isNull() && saldos.findKey({conta, store::Value{day.toIso()}})) {
            saldos.editExisting();
            saldos.field("Saldo").setCurrency(saldos.field("Saldo").asCurrency() - amount);
            saldos.post();
        }
        banco.deleteRecord();
        return audited;
    });
}

}  // namespace bank

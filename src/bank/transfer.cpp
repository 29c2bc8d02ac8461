#include "bank/transfer.h"

#include "bank/bank_line.h"
#include "bank/ledger.h"
#include "core/format.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"

namespace bank {

void transfer(data::Tdm& dm, const Transfer& t) {
    // A negative value would turn the transfer round.
    if (t.valor <= core::Currency()) throw data::Refusal("Digite o Valor Para a Transferência!");
    if (t.data.isNull()) throw data::Refusal("Digite a Data da Transferência!");

    data::OpenedTables open{&dm.TbConta, &dm.TbBanco, &dm.TbSaldos};
    data::postAudited(dm, {&dm.TbBanco, &dm.TbSaldos, &dm.TbContador}, [&] {
        const Account origem = findAccount(dm, t.origem);
        const Account destino = findAccount(dm, t.destino);
        writeLine(dm, origem,
                  {t.data,
                   t.data,
                   kDebito,
                   {},
                   "Transferência Para Conta Nº " + destino.conta,
                   {},
                   {},
                   t.identificacao,
                   t.valor});
        writeLine(dm, destino,
                  {t.data,
                   t.data,
                   kCredito,
                   {},
                   "Transferência da Conta Nº " + origem.conta,
                   {},
                   {},
                   t.identificacao,
                   t.valor});
        return data::AuditEntry{.acao = "Transferência Bancária",
                                .tabela = dm.TbBanco.name(),
                                .chave = origem.conta + " > " + destino.conta,
                                .resumo = "R$ " + core::formatMoney(t.valor) + " da conta " + origem.conta +
                                          " para a conta " + destino.conta + " em " + core::longDate(t.data)};
    });
}

}  // namespace bank

#include "bank/transfer.h"

#include "bank/bank_line.h"
#include "bank/ledger.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "data/store/posting.h"

namespace bank {

void transfer(data::Tdm& dm, const Transfer& t) {
    // A negative value would turn the transfer round.
    if (t.valor <= core::Currency()) throw data::Refusal("Digite o Valor Para a Transferência!");
    if (t.data.isNull()) throw data::Refusal("Digite a Data da Transferência!");

    data::OpenedTables open{&dm.TbConta, &dm.TbBanco, &dm.TbSaldos};
    store::post({&dm.TbBanco, &dm.TbSaldos, &dm.TbContador}, [&] {
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
    });
}

}  // namespace bank

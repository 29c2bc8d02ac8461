#include "cash/cash_closing.h"

#include "core/date.h"
#include "core/format.h"
#include "core/text.h"
#include "data/audit_trail.h"
#include "data/cash_status.h"
#include "data/dm.h"
#include "data/refusal.h"

namespace cash {

core::Currency cashInDrawer(data::Tdm& dm) {
    store::Table& caixa = dm.TbCaixa;
    return caixa.field("DinheiroDIA").asCurrency() + caixa.field("Dinheiro").asCurrency() -
           caixa.field("DinheiroTOTAL").asCurrency();
}

bool closeCash(data::Tdm& dm, std::int64_t number, core::Currency repasse, const core::Date& day,
               const core::Time& time) {
    store::Table& caixa = dm.TbCaixa;
    caixa.open();
    if (!caixa.indexName().empty()) caixa.setIndexName("");
    bool closedNow = false;
    data::postAudited(dm, {&caixa}, [&]() -> std::optional<data::AuditEntry> {
        if (!caixa.findKey({store::Value{number}})) throw data::Refusal(data::kCashNotOpen);
        caixa.editExisting();  // the record lock, then the record as stored now
        if (core::trimmed(caixa.field("Status").asString()) == data::kCashClosedStatus) {
            caixa.cancel();
            return std::nullopt;
        }
        caixa.field("Fechamento").setDate(day);
        caixa.field("Hora2").setTime(time);
        caixa.field("Status").setString(data::kCashClosedStatus);
        caixa.field("Repasse").setCurrency(repasse);
        const core::Currency deposito = cashInDrawer(dm) - repasse;
        caixa.field("Deposito").setCurrency(deposito);
        caixa.post();
        closedNow = true;
        return data::AuditEntry{.acao = "Fechamento do Caixa",
                                .tabela = caixa.name(),
                                .chave = std::to_string(number),
                                .resumo = "Caixa " + std::to_string(number) + " fechado: total R$ " +
                                          core::formatMoney(caixa.field("Total").asCurrency()) + ", repasse R$ " +
                                          core::formatMoney(repasse) + ", depósito R$ " + core::formatMoney(deposito)};
    });
    return closedNow;
}

}  // namespace cash

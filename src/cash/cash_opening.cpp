#include "cash/cash_opening.h"

#include "core/date.h"
#include "core/format.h"
#include "core/text.h"
#include "data/audit_trail.h"
#include "data/cash_status.h"
#include "data/dm.h"
#include "data/refusal.h"

namespace cash {

namespace {

// The last record, as whoever reads it now sees it.
OpeningProposal readLast(store::Table& caixa) {
    caixa.last();
    if (caixa.isEmpty()) return {};
    return {caixa.field("Contador").asInteger() + 1, caixa.field("Repasse").asCurrency(),
            core::trimmed(caixa.field("Status").asString()) == data::kCashOpenStatus};
}

}  // namespace

OpeningProposal proposeOpening(data::Tdm& dm) {
    dm.TbCaixa.open();
    return readLast(dm.TbCaixa);
}

std::int64_t openCash(data::Tdm& dm, const Responsible& responsible, core::Currency openingCash,
                      const core::Date& day, const core::Time& time) {
    store::Table& caixa = dm.TbCaixa;
    caixa.open();
    std::int64_t number = 0;
    data::postAudited(dm, {&caixa}, [&] {
        const OpeningProposal last = readLast(caixa);
        if (last.alreadyOpen) throw data::Refusal(data::kCashAlreadyOpen);
        number = last.number;
        caixa.insert();
        caixa.field("Contador").setInteger(number);
        caixa.field("Abertura").setDate(day);
        caixa.field("Hora1").setTime(time);
        caixa.field("Funcionario").setString(responsible.name);
        caixa.field("CodFUN").setInteger(responsible.code);
        caixa.field("Status").setString(data::kCashOpenStatus);
        caixa.field("DinheiroDIA").setCurrency(openingCash);
        caixa.post();
        return data::AuditEntry{.acao = "Abertura do Caixa",
                                .tabela = caixa.name(),
                                .chave = std::to_string(number),
                                .resumo = "Caixa " + std::to_string(number) + " aberto por " + responsible.name +
                                          " com R$ " + core::formatMoney(openingCash) + " em dinheiro"};
    });
    return number;
}

}  // namespace cash

#include "data/computed_fields.h"

#include <cmath>

#include "data/store/table.h"

namespace data {

namespace {

// A percentage of an amount, as the screens add money up: in fixed point.
core::Currency percentOf(double percent, core::Currency amount) {
    return amount.times(percent / 100.0);
}

// A commission is money paid out: rounded to the centavo once, halves up, straight from the
// product, so every report adding commissions adds the same centavos its lines show.
core::Currency commissionOf(double percent, core::Currency amount) {
    constexpr double kUnitsPerCentavo = 100;
    const double centavos = static_cast<double>(amount.units()) * percent / (100 * kUnitsPerCentavo);
    return core::Currency::fromUnits(std::llround(centavos) * static_cast<std::int64_t>(kUnitsPerCentavo));
}

}  // namespace

void calcItemCommission(store::Table& item) {
    const core::Currency total = item.field("Total").asCurrency();
    item.field("Comi").setCurrency(commissionOf(item.field("Comissao").asFloat(), total));
}

void calcTicketService(store::Table& service, store::Table& config) {
    const double fee = config.field("Manutencao").asFloat();
    const core::Currency valor = service.field("Valor").asCurrency();
    const core::Currency manu = percentOf(fee, valor);
    service.field("Manu").setCurrency(manu);
    service.field("VC").setCurrency(percentOf(service.field("COM").asFloat(), valor) - manu);
}

void calcCashInDrawer(store::Table& caixa) {
    caixa.field("Caixa").setCurrency(caixa.field("Dinheiro").asCurrency() +
                                     caixa.field("DinheiroDIA").asCurrency() -
                                     caixa.field("DinheiroTOTAL").asCurrency());
}

void calcEntryItemTotal(store::Table& item) {
    item.field("Total").setCurrency(item.field("Custo").asCurrency().times(item.field("Quant").asFloat()));
}

void calcCommissionLessAdvances(store::Table& virtualComissoes) {
    virtualComissoes.field("Valor").setCurrency(virtualComissoes.field("COM").asCurrency() -
                                                virtualComissoes.field("Vale").asCurrency());
}

}  // namespace data

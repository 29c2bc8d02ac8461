#pragma once
// The sale in progress from start to the payment screen: dm.TbServico's pending insert,
// whose items are stored as they are added. It is stored itself only by the payment.
#include <optional>

#include "core/date.h"

#include "sales/sale_items.h"

namespace sales {

// Opens TbServico and TbItensServico if needed and begins the pending sale: its number from
// the counter, `day` (today, or a past day when a history is made) as Data and DataPG, Total
// and Saldo 0.
void startSale(data::Tdm& dm, const core::Date& day = core::Date::today());

// True while this station has a sale pending.
bool saleInProgress(data::Tdm& dm);

// Deletes the sale's items (one posting) and drops the pending sale without ever storing it;
// the number it took stays taken. Closes TbServico and TbItensServico.
void cancelSale(data::Tdm& dm);

// What "&Gravar" checks before the payment (a total of at least 0,10, an employee), then
// writes the sale's client on every item (one posting) and sets PGTotal to Total.
std::optional<EntryProblem> prepareForPayment(data::Tdm& dm);

}  // namespace sales

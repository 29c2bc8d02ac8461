#pragma once
// A small believable salon to try the program with: clients (some with a birthday today
// and this month), employees with commissions and appointment hours, services and products
// with prices, promotions, discounts and stock, bank accounts and a few expense headings.
#include "core/date.h"

namespace data {

class Tdm;

// Adds the salon to a data module on freshly initialised tables.
void addDemoSalon(Tdm& dm, const core::Date& today);

}  // namespace data

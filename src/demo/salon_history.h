#pragma once
// Two months of a believable salon's days up to yesterday, for trying the program: a cash
// opened and closed each working day, with a few sales a day paid in every form, credit used
// and bought, overpayments and IOU notes settled, advances paid to the staff, each closing's
// deposit in the bank, the rent paid from the current account and a reserve moved monthly;
// three deliveries of products; and a week of appointments around today. Everything is
// written by the program's own posting functions, so the history keeps every rule the
// program keeps.
#include "core/date.h"

namespace data {
class Tdm;
}

namespace demo {

// Adds the history to a demo data set (its clients, employees and catalogue) ending the day
// before `today` (the appointments go on to three days after it); today's cash is left closed.
void addSalonHistory(data::Tdm& dm, const core::Date& today);

}  // namespace demo

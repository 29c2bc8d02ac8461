#pragma once
// A week of the appointment book around today for the demo salon: every employee's slots of
// each working day from three days before to three days after, some booked for clients and a
// few blocked, made through the book's own functions.
#include "core/date.h"

namespace data {
class Tdm;
}

namespace demo {

void addAgendaWeek(data::Tdm& dm, const core::Date& today);

}  // namespace demo

#pragma once
// The booked slots of the appointment book as an iCalendar file (RFC 5545), for the salon's
// or an employee's phone calendar: one event per booked slot, its UID made from the slot's
// employee, day and time so a calendar that imports the file again updates the event instead
// of doubling it; times in the salon's local time (floating, as the book keeps them), a
// reminder an hour before.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/date.h"

namespace data {
class Tdm;
}

namespace sales {

struct CalendarSelection {
    core::Date first;
    int days = 1;                              // from `first` on
    std::optional<std::int64_t> employeeCode;  // everyone's when empty
};

// The iCalendar text, CRLF line endings, lines folded at 75 octets. `stamp` is the UTC
// moment written as each event's DTSTAMP, "20261211T170000Z". Blocked and free slots are
// left out; a slot whose time is no time of day is left out too.
//
// An event lasts until the employee's next slot of the day, an hour at most; a blocked slot
// right after it (kept free for a long service) adds its own time.
std::string agendaCalendar(data::Tdm& dm, const CalendarSelection& selection, const std::string& stamp);

// The current moment as DTSTAMP wants it.
std::string calendarStampNow();

// Writes the file whole or not at all; throws std::runtime_error with a Portuguese message.
void writeAgendaCalendar(data::Tdm& dm, const CalendarSelection& selection,
                         const std::filesystem::path& file);

}  // namespace sales

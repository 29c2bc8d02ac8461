#pragma once
// What an appointment time may hold. The appointment book offers one slot per time kept, so
// a half-typed or impossible time ("25:70") would become a slot nobody can book.
#include <string_view>

namespace registers {

enum class HourCheck { Blank, Valid, Invalid };

// `hora` as stored from the mask "99:99": "09:30"; blanks are spaces.
HourCheck checkHour(std::string_view hora);

}  // namespace registers

#include "registers/employee_hour_rule.h"

#include <cctype>

namespace registers {

HourCheck checkHour(std::string_view hora) {
    if (hora.find_first_not_of(" :") == std::string_view::npos) return HourCheck::Blank;
    auto digit = [&hora](std::size_t at) {
        const char c = hora[at];
        return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : -1;
    };
    if (hora.size() != 5 || hora[2] != ':') return HourCheck::Invalid;
    const int h1 = digit(0), h2 = digit(1), m1 = digit(3), m2 = digit(4);
    if (h1 < 0 || h2 < 0 || m1 < 0 || m2 < 0) return HourCheck::Invalid;
    return h1 * 10 + h2 <= 23 && m1 <= 5 ? HourCheck::Valid : HourCheck::Invalid;
}

}  // namespace registers

#pragma once
// Number masks as the screens and reports show them, with Brazilian separators
// (point for thousands, comma for decimals). In a mask, "," anywhere asks for thousands
// separators and the zeros after "." fix the decimals; other text ("R$ ", " %") is copied.
// Supported masks: "0.0,0", "###,##0.00", "0.0", "0.00", "0.00 %", "0" and the like.
// Rounding is half away from zero: 0,005 shows 0,01 and -0,005 shows -0,01.
#include <string>
#include <string_view>

#include "core/currency.h"

namespace core {

inline constexpr std::string_view kMoneyMask = "0.0,0";         // grids and report fields
inline constexpr std::string_view kCaptionMoneyMask = "###,##0.00";  // computed captions
inline constexpr std::string_view kReaisPrefix = "R$ ";

std::string formatMask(Currency value, std::string_view mask);
std::string formatMask(double value, std::string_view mask);

// "0.0,0": 1.000.000,00
inline std::string formatMoney(Currency value) { return formatMask(value, kMoneyMask); }
// "R$ " + "###,##0.00": R$ 1.234,50
std::string formatReais(Currency value);

}  // namespace core

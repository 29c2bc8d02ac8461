#pragma once
// A floating-point number as the shortest text that reads back as the same number, with
// the Brazilian decimal comma: 12.5 is "12,5", 3 is "3". For values shown without a mask.
#include <string>

namespace core {

std::string decimalText(double value);

}  // namespace core

#include "core/decimal_text.h"

#include <algorithm>
#include <charconv>

namespace core {

std::string decimalText(double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, error == std::errc() ? end : buffer);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

}  // namespace core

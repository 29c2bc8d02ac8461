#include "core/format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace core {

namespace {

bool isDigitPlaceholder(char c) {
    return c == '0' || c == '#';
}
bool isNumberChar(char c) {
    return isDigitPlaceholder(c) || c == '.' || c == ',';
}

// A mask read the usual number-format way: text before the first digit placeholder and
// after the last number character is copied; "," anywhere in the number asks for
// thousands separators; after the first ".", "0" is a digit always shown and "#" a digit
// shown when not a trailing zero.
struct Mask {
    std::string_view prefix;
    std::string_view suffix;
    bool thousands = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

Mask readMask(std::string_view text) {
    Mask mask;
    std::size_t begin = 0;
    while (begin < text.size() && !isDigitPlaceholder(text[begin])) ++begin;
    if (begin == text.size()) {  // no number at all: "0" with the text as prefix
        mask.prefix = text;
        mask.minIntegerDigits = 1;
        return mask;
    }
    // A "." just before the first placeholder still belongs to the number (".00").
    if (begin > 0 && text[begin - 1] == '.') --begin;
    std::size_t end = begin;
    while (end < text.size() && isNumberChar(text[end])) ++end;
    mask.prefix = text.substr(0, begin);
    mask.suffix = text.substr(end);
    bool afterPoint = false;
    for (char c : text.substr(begin, end - begin)) {
        if (c == ',') {
            mask.thousands = true;
        } else if (c == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            if (c == '0') ++mask.minIntegerDigits;
        } else {
            ++mask.maxDecimals;
            if (c == '0') mask.minDecimals = mask.maxDecimals;
        }
    }
    if (mask.minIntegerDigits == 0) mask.minIntegerDigits = 1;
    return mask;
}

// Builds the text from the absolute value's digits: `integer` without sign, `fraction`
// with exactly maxDecimals digits.
std::string assemble(const Mask& mask, bool negative, std::string integer, std::string fraction) {
    // Trailing "#" decimals vanish when zero.
    while (static_cast<int>(fraction.size()) > mask.minDecimals && fraction.back() == '0')
        fraction.pop_back();
    // Leading zeros down to the mask's minimum.
    std::size_t firstSignificant = integer.find_first_not_of('0');
    if (firstSignificant == std::string::npos) firstSignificant = integer.size();
    integer.erase(0, firstSignificant);
    if (static_cast<int>(integer.size()) < mask.minIntegerDigits)
        integer.insert(0, static_cast<std::size_t>(mask.minIntegerDigits) - integer.size(), '0');

    const bool allZero = integer.find_first_not_of('0') == std::string::npos &&
                         fraction.find_first_not_of('0') == std::string::npos;

    std::string result(mask.prefix);
    if (negative && !allZero) result += '-';
    if (mask.thousands) {
        const std::size_t size = integer.size();
        for (std::size_t i = 0; i < size; ++i) {
            if (i > 0 && (size - i) % 3 == 0) result += '.';
            result += integer[i];
        }
    } else {
        result += integer;
    }
    if (!fraction.empty()) {
        result += ',';
        result += fraction;
    }
    result += mask.suffix;
    return result;
}

std::string formatCurrency(Currency value, const Mask& mask) {
    const int decimals = mask.maxDecimals < 4 ? mask.maxDecimals : 4;
    const std::int64_t units = value.rounded(decimals).units();
    const bool negative = units < 0;
    // Magnitude without overflow for the most negative value.
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(units + 1)) + 1 : static_cast<std::uint64_t>(units);
    std::string integer = std::to_string(magnitude / static_cast<std::uint64_t>(Currency::kScale));
    std::string fraction = std::to_string(magnitude % static_cast<std::uint64_t>(Currency::kScale));
    fraction.insert(0, 4 - fraction.size(), '0');
    fraction.resize(static_cast<std::size_t>(decimals));
    fraction.append(static_cast<std::size_t>(mask.maxDecimals - decimals), '0');
    return assemble(mask, negative, std::move(integer), std::move(fraction));
}

// For values beyond what Currency holds or masks with more than four decimals.
std::string formatLargeDouble(double value, const Mask& mask) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed,
                                   mask.maxDecimals);
    if (ec != std::errc()) return std::string(mask.prefix) + "INF" + std::string(mask.suffix);
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t point = text.find('.');
    std::string integer(text.substr(0, point));
    std::string fraction =
        point == std::string_view::npos ? std::string() : std::string(text.substr(point + 1));
    return assemble(mask, std::signbit(value), std::move(integer), std::move(fraction));
}

}  // namespace

std::string formatMask(Currency value, std::string_view mask) {
    return formatCurrency(value, readMask(mask));
}

std::string formatMask(double value, std::string_view maskText) {
    const Mask mask = readMask(maskText);
    if (std::isnan(value)) return std::string(mask.prefix) + "NAN" + std::string(mask.suffix);
    if (std::isinf(value))
        return std::string(mask.prefix) + (value < 0 ? "-INF" : "INF") + std::string(mask.suffix);
    // Currency holds up to about 9.2e14 reais.
    if (std::fabs(value) < 9.0e14 && mask.maxDecimals <= 4)
        return formatCurrency(Currency::fromDouble(value), mask);
    return formatLargeDouble(value, mask);
}

std::string formatReais(Currency value) {
    return std::string(kReaisPrefix) + formatMask(value, kCaptionMoneyMask);
}

}  // namespace core

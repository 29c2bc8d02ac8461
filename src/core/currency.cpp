#include "core/currency.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace core {

namespace {

using Wide = __int128;

constexpr std::int64_t kMaxUnits = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinUnits = std::numeric_limits<std::int64_t>::min();
// Far beyond any int64 product we build, far below the int128 limit.
constexpr Wide kWideLimit = static_cast<Wide>(kMaxUnits) * 1000000000000000000LL;

// value == (negative ? -1 : 1) * digits * 10^exponent: the shortest decimal text that reads
// back as the same double, i.e. the value as the user sees it (1.005, not 1.00499999...).
struct ShortestDecimal {
    bool negative = false;
    std::uint64_t digits = 0;  // at most 17 figures
    int exponent = 0;
};

ShortestDecimal shortestDecimal(double value) {
    ShortestDecimal result;
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (ec != std::errc()) return result;
    const char* p = buffer;
    if (p < end && *p == '-') {
        result.negative = true;
        ++p;
    }
    int fractionDigits = 0;
    bool inFraction = false;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') {
            inFraction = true;
            continue;
        }
        result.digits = result.digits * 10 + static_cast<std::uint64_t>(*p - '0');
        if (inFraction) ++fractionDigits;
    }
    int exponent = 0;
    if (p < end && *p == 'e') {
        ++p;
        if (p < end && *p == '+') ++p;
        std::from_chars(p, end, exponent);
    }
    result.exponent = result.digits == 0 ? 0 : exponent - fractionDigits;
    return result;
}

Wide powerOfTen(int power) {
    Wide result = 1;
    for (int i = 0; i < power; ++i) result *= 10;
    return result;
}

// numerator / 10^power (power >= 0), halves away from zero.
Wide divideByPowerOfTenRounded(Wide numerator, int power) {
    if (power <= 0) return numerator;
    if (power > 38) return 0;  // |numerator| < kWideLimit < 10^38 / 2
    const Wide divisor = powerOfTen(power);
    Wide quotient = numerator / divisor;
    Wide remainder = numerator % divisor;
    if (remainder < 0) remainder = -remainder;
    if (remainder >= divisor - remainder) quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

// value * 10^power (power >= 0), saturated at +-kWideLimit.
Wide scaleByPowerOfTen(Wide value, int power) {
    for (int i = 0; i < power && value != 0; ++i) {
        if (value > kWideLimit / 10) return kWideLimit;
        if (value < -kWideLimit / 10) return -kWideLimit;
        value *= 10;
    }
    return value;
}

std::int64_t saturate(Wide value) {
    if (value > kMaxUnits) return kMaxUnits;
    if (value < kMinUnits) return kMinUnits;
    return static_cast<std::int64_t>(value);
}

// digits * 10^exponent, rounded to an integer half away from zero, saturated.
Wide applyExponent(Wide digits, int exponent) {
    return exponent >= 0 ? scaleByPowerOfTen(digits, exponent) : divideByPowerOfTenRounded(digits, -exponent);
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Removes "R$" and the blanks after it, if present.
bool skipReaisSymbol(std::string_view& text) {
    if (text.substr(0, 2) != "R$") return false;
    text.remove_prefix(2);
    text = trimBlanks(text);
    return true;
}

}  // namespace

Currency Currency::fromDouble(double reais) {
    if (std::isnan(reais)) return Currency();
    if (std::isinf(reais)) return Currency(reais > 0 ? kMaxUnits : kMinUnits);
    // Stored amounts are nearly always whole ten-thousandths. When the nearest count of them
    // reads back as exactly this double, it is the value's shortest decimal (below 1e11 no two
    // such counts share a double), so the text round trip below can be skipped.
    if (std::fabs(reais) < 1e11) {
        const double scaled = std::round(reais * kScale);
        if (scaled / kScale == reais) return Currency(static_cast<std::int64_t>(scaled));
    }
    const ShortestDecimal decimal = shortestDecimal(reais);
    // units = digits * 10^(exponent + 4)
    Wide units = applyExponent(static_cast<Wide>(decimal.digits), decimal.exponent + 4);
    if (decimal.negative) units = -units;
    return Currency(saturate(units));
}

std::optional<Currency> Currency::parse(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    bool symbol = skipReaisSymbol(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
        if (!symbol) symbol = skipReaisSymbol(text);  // "-R$ 3,50"
    }
    if (text.empty()) return std::nullopt;

    // Integer part: digits, optionally grouped by thousands with ".": 1.234.567
    std::size_t pos = 0;
    Wide units = 0;
    int integerDigits = 0;
    int groupDigits = 0;
    bool grouped = false;
    for (; pos < text.size() && text[pos] != ','; ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            units = units * 10 + (c - '0');
            if (units > kMaxUnits) return std::nullopt;
            ++integerDigits;
            ++groupDigits;
        } else if (c == '.') {
            // First group 1..3 digits, every later one exactly 3.
            if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3)) return std::nullopt;
            grouped = true;
            groupDigits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && groupDigits != 3) return std::nullopt;

    // Decimal part: up to four digits after a single ",".
    int decimalDigits = 0;
    if (pos < text.size()) {
        ++pos;  // the ","
        for (; pos < text.size(); ++pos) {
            const char c = text[pos];
            if (!isDigit(c) || decimalDigits == 4) return std::nullopt;
            units = units * 10 + (c - '0');
            ++decimalDigits;
        }
    }
    if (integerDigits + decimalDigits == 0) return std::nullopt;
    for (int i = decimalDigits; i < 4; ++i) units *= 10;
    if (units > kMaxUnits) return std::nullopt;
    return Currency(static_cast<std::int64_t>(negative ? -units : units));
}

Currency Currency::rounded(int decimals) const {
    if (decimals >= 4) return *this;
    if (decimals < 0) decimals = 0;
    const int power = 4 - decimals;
    const Wide rounded = divideByPowerOfTenRounded(units_, power);
    return Currency(saturate(scaleByPowerOfTen(rounded, power)));
}

Currency Currency::times(double factor) const {
    if (std::isnan(factor)) return Currency();
    if (std::isinf(factor)) {
        if (units_ == 0) return Currency();
        return Currency((units_ > 0) == (factor > 0) ? kMaxUnits : kMinUnits);
    }
    // Exact product with the factor as the user sees it (0.15, not 0.149999...).
    const ShortestDecimal decimal = shortestDecimal(factor);
    Wide product = static_cast<Wide>(units_) * static_cast<Wide>(decimal.digits);
    product = applyExponent(product, decimal.exponent);
    if (decimal.negative) product = -product;
    return Currency(saturate(product));
}

}  // namespace core

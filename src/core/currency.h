#pragma once
// Exact money: an integer count of ten-thousandths of a real, so sums never drift
// (ten times 0,10 is exactly 1,00). Conversions from double round to the nearest unit.
// Every operation saturates: a result beyond the type's range stays at its largest or
// smallest value, never wrapping round to the other sign (sums and differences included).
#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace core {

class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t tenThousandths) { return Currency(tenThousandths); }
    static constexpr Currency fromReais(std::int64_t reais) { return Currency(reais * kScale); }
    // Nearest ten-thousandth, halves away from zero.
    static Currency fromDouble(double reais);
    // Accepts what a person types: "1.234,56", "1234,56", "-12,5", "12", with or without "R$ ".
    // Empty or malformed text gives nothing.
    static std::optional<Currency> parse(std::string_view text);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / kScale; }
    // Rounded to the given number of decimals (0..4), halves away from zero.
    Currency rounded(int decimals) const;
    // The amount times a factor (a quantity, a percentage / 100), rounded to the nearest unit.
    Currency times(double factor) const;

    constexpr Currency operator-() const { return units_ == kLowest ? Currency(kHighest) : Currency(-units_); }
    constexpr Currency operator+(Currency other) const {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(units_, other.units_, &sum)) return Currency(other.units_ > 0 ? kHighest : kLowest);
        return Currency(sum);
    }
    constexpr Currency operator-(Currency other) const {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(units_, other.units_, &difference))
            return Currency(other.units_ < 0 ? kHighest : kLowest);
        return Currency(difference);
    }
    constexpr Currency& operator+=(Currency other) { return *this = *this + other; }
    constexpr Currency& operator-=(Currency other) { return *this = *this - other; }
    constexpr auto operator<=>(const Currency&) const = default;
    constexpr bool isZero() const { return units_ == 0; }

private:
    static constexpr std::int64_t kHighest = std::numeric_limits<std::int64_t>::max();
    static constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();

    constexpr explicit Currency(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

}  // namespace core

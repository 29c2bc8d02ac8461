#include "core/currency.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace core {
namespace {

TEST(Currency, DefaultIsZero) {
    EXPECT_TRUE(Currency().isZero());
    EXPECT_EQ(Currency().units(), 0);
}

TEST(Currency, TenTimesTenCentsIsExactlyOneReal) {
    Currency sum;
    for (int i = 0; i < 10; ++i) sum += Currency::fromDouble(0.1);
    EXPECT_EQ(sum, Currency::fromReais(1));
    EXPECT_EQ(sum.units(), 10000);
}

struct FromDoubleCase {
    double value;
    std::int64_t units;
};

class CurrencyFromDouble : public ::testing::TestWithParam<FromDoubleCase> {};

TEST_P(CurrencyFromDouble, RoundsToNearestTenThousandthHalvesAwayFromZero) {
    EXPECT_EQ(Currency::fromDouble(GetParam().value).units(), GetParam().units) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, CurrencyFromDouble,
                         ::testing::Values(FromDoubleCase{0.0, 0}, FromDoubleCase{-0.0, 0},
                                           FromDoubleCase{0.1, 1000}, FromDoubleCase{1.0, 10000},
                                           FromDoubleCase{0.005, 50}, FromDoubleCase{-0.005, -50},
                                           FromDoubleCase{1.005, 10050}, FromDoubleCase{1234.5678, 12345678},
                                           FromDoubleCase{0.00005, 1}, FromDoubleCase{-0.00005, -1},
                                           FromDoubleCase{1.00005, 10001}, FromDoubleCase{-1.00005, -10001},
                                           FromDoubleCase{0.00004999, 0}, FromDoubleCase{0.1 + 0.2, 3000},
                                           FromDoubleCase{2.675, 26750}, FromDoubleCase{1e-300, 0},
                                           FromDoubleCase{99999999999.9999, 999999999999999},
                                           FromDoubleCase{123456789012.3456, 1234567890123456},
                                           FromDoubleCase{-99999999.99, -999999999900}));

TEST(Currency, FromDoubleSaturatesAndIgnoresNan) {
    EXPECT_EQ(Currency::fromDouble(1e300).units(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Currency::fromDouble(-1e300).units(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()).units(), 0);
}

TEST(Currency, ToDouble) {
    EXPECT_DOUBLE_EQ(Currency::fromUnits(12345).toDouble(), 1.2345);
    EXPECT_DOUBLE_EQ(Currency::fromReais(-7).toDouble(), -7.0);
}

TEST(Currency, BigValuesStayExact) {
    const Currency billion = Currency::fromReais(1'000'000'000);
    Currency sum;
    for (int i = 0; i < 1000; ++i) sum += billion + Currency::fromUnits(1);
    EXPECT_EQ(sum.units(), 1'000'000'000'000LL * Currency::kScale + 1000);
    EXPECT_EQ(Currency::fromDouble(900'000'000'000.01).units(), 9'000'000'000'000'100LL);
}

struct RoundCase {
    std::int64_t units;
    int decimals;
    std::int64_t expected;
};

class CurrencyRounded : public ::testing::TestWithParam<RoundCase> {};

TEST_P(CurrencyRounded, HalvesAwayFromZero) {
    EXPECT_EQ(Currency::fromUnits(GetParam().units).rounded(GetParam().decimals).units(),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurrencyRounded,
    ::testing::Values(RoundCase{50, 2, 100}, RoundCase{-50, 2, -100}, RoundCase{49, 2, 0},
                      RoundCase{-49, 2, 0}, RoundCase{12345, 2, 12300}, RoundCase{12350, 2, 12400},
                      RoundCase{-12350, 2, -12400}, RoundCase{15000, 0, 20000}, RoundCase{-15000, 0, -20000},
                      RoundCase{14999, 0, 10000}, RoundCase{12345, 4, 12345}, RoundCase{12345, 3, 12350},
                      RoundCase{12345, 1, 12000}, RoundCase{12345, -1, 10000}, RoundCase{12345, 9, 12345}));

TEST(Currency, Times) {
    EXPECT_EQ(Currency::fromReais(10).times(0.15), Currency::fromUnits(15000));
    EXPECT_EQ(Currency::fromUnits(10).times(0.15), Currency::fromUnits(2));  // 1,5 units -> 2
    EXPECT_EQ(Currency::fromUnits(-10).times(0.15), Currency::fromUnits(-2));
    EXPECT_EQ(Currency::fromUnits(333).times(3), Currency::fromUnits(999));
    EXPECT_EQ(Currency::fromDouble(19.9).times(3), Currency::fromDouble(59.7));
    EXPECT_EQ(Currency::fromReais(100).times(12.5 / 100), Currency::fromDouble(12.5));
    EXPECT_EQ(Currency::fromReais(5).times(-2), Currency::fromReais(-10));
    EXPECT_EQ(Currency::fromReais(5).times(0), Currency());
    EXPECT_EQ(Currency::fromReais(5).times(1e300).units(), std::numeric_limits<std::int64_t>::max());
}

TEST(Currency, Arithmetic) {
    const Currency a = Currency::fromDouble(12.5);
    const Currency b = Currency::fromDouble(2.25);
    EXPECT_EQ(a + b, Currency::fromDouble(14.75));
    EXPECT_EQ(a - b, Currency::fromDouble(10.25));
    EXPECT_EQ(-a, Currency::fromDouble(-12.5));
    EXPECT_LT(b, a);
    Currency c = a;
    c -= a;
    EXPECT_TRUE(c.isZero());
}

// Past the type's range a sum, a difference or a negation stays at the limit, as products
// and conversions do; wrapping round would turn a huge credit into a huge debt.
TEST(Currency, SumsAndDifferencesSaturateLikeEveryOtherOperation) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    const Currency top = Currency::fromUnits(max), bottom = Currency::fromUnits(min), one = Currency::fromUnits(1);
    const struct {
        Currency result;
        std::int64_t expected;
    } cases[] = {
        {top + one, max},         {bottom - one, min},  {bottom + (-one), min}, {top - (-one), max},
        {-bottom, max},           {top + bottom, -1},   {top - one, max - 1},   {one - top, min + 2},
        {Currency(top) += one, max}, {Currency(bottom) -= one, min},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].result.units(), cases[i].expected) << i;
}

struct ParseCase {
    const char* text;
    std::optional<std::int64_t> units;
};

class CurrencyParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CurrencyParse, ReadsWhatPeopleType) {
    const auto parsed = Currency::parse(GetParam().text);
    ASSERT_EQ(parsed.has_value(), GetParam().units.has_value()) << "'" << GetParam().text << "'";
    if (parsed) {
        EXPECT_EQ(parsed->units(), *GetParam().units) << "'" << GetParam().text << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, CurrencyParse,
    ::testing::Values(ParseCase{"1.234,56", 12345600}, ParseCase{"1234,56", 12345600},
                      ParseCase{"-12,5", -125000}, ParseCase{"12", 120000}, ParseCase{" R$ 3,50 ", 35000},
                      ParseCase{"R$3,50", 35000}, ParseCase{"R$ -1.234,50", -12345000},
                      ParseCase{"-R$ 1.234,50", -12345000}, ParseCase{"0,0001", 1},
                      ParseCase{"1,2345", 12345}, ParseCase{"1.000.000,00", 10000000000},
                      ParseCase{"1.000", 10000000}, ParseCase{",5", 5000}, ParseCase{"12,", 120000},
                      ParseCase{"+7", 70000}, ParseCase{"0", 0}, ParseCase{"-0,00", 0},
                      ParseCase{"\t42\n", 420000}, ParseCase{"922.337.203.685.477,5807", INT64_MAX}));

INSTANTIATE_TEST_SUITE_P(Refused, CurrencyParse,
                         ::testing::Values(ParseCase{"abc", std::nullopt}, ParseCase{"", std::nullopt},
                                           ParseCase{"   ", std::nullopt}, ParseCase{"1,2,3", std::nullopt},
                                           ParseCase{"1,23456", std::nullopt}, ParseCase{"R$", std::nullopt},
                                           ParseCase{"-", std::nullopt}, ParseCase{",", std::nullopt},
                                           ParseCase{"12a", std::nullopt}, ParseCase{"1.23,4", std::nullopt},
                                           ParseCase{"1234.567,8", std::nullopt},
                                           ParseCase{"12.", std::nullopt}, ParseCase{".123", std::nullopt},
                                           ParseCase{"1..234", std::nullopt}, ParseCase{"12.5", std::nullopt},
                                           ParseCase{"- 12", std::nullopt}, ParseCase{"--12", std::nullopt},
                                           ParseCase{"1 234", std::nullopt},
                                           ParseCase{"922.337.203.685.477,5808", std::nullopt},
                                           ParseCase{"99999999999999999999999", std::nullopt}));

TEST(Currency, ParseRoundTripsFromUnits) {
    for (std::int64_t units : {0LL, 1LL, -1LL, 12345LL, -12345678LL, 10000000000LL, 9999LL, -50LL}) {
        const Currency value = Currency::fromUnits(units);
        // Build "d.ddd,dddd" by hand.
        const std::int64_t magnitude = units < 0 ? -units : units;
        std::string integer = std::to_string(magnitude / Currency::kScale);
        std::string grouped;
        for (std::size_t i = 0; i < integer.size(); ++i) {
            if (i > 0 && (integer.size() - i) % 3 == 0) grouped += '.';
            grouped += integer[i];
        }
        std::string fraction = std::to_string(magnitude % Currency::kScale);
        fraction.insert(0, 4 - fraction.size(), '0');
        const std::string text = (units < 0 ? "-" : "") + grouped + "," + fraction;
        const auto parsed = Currency::parse(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
}

}  // namespace
}  // namespace core

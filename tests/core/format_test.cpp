#include "core/format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/currency.h"

namespace core {
namespace {

struct MaskCase {
    double value;
    const char* mask;
    const char* expected;
};

class FormatMaskDouble : public ::testing::TestWithParam<MaskCase> {};

TEST_P(FormatMaskDouble, PrintsBrazilianText) {
    EXPECT_EQ(formatMask(GetParam().value, GetParam().mask), GetParam().expected)
        << GetParam().value << " with '" << GetParam().mask << "'";
}

INSTANTIATE_TEST_SUITE_P(
    MoneyMask, FormatMaskDouble,
    ::testing::Values(MaskCase{0, "0.0,0", "0,00"}, MaskCase{1000000, "0.0,0", "1.000.000,00"},
                      MaskCase{-12.5, "0.0,0", "-12,50"}, MaskCase{1234.5, "0.0,0", "1.234,50"},
                      MaskCase{999.999, "0.0,0", "1.000,00"},
                      MaskCase{123456789.1, "0.0,0", "123.456.789,10"}, MaskCase{-1000, "0.0,0", "-1.000,00"},
                      MaskCase{100, "0.0,0", "100,00"}, MaskCase{0.005, "0.0,0", "0,01"},
                      MaskCase{-0.005, "0.0,0", "-0,01"}, MaskCase{-0.004, "0.0,0", "0,00"},
                      MaskCase{-0.0, "0.0,0", "0,00"}));

INSTANTIATE_TEST_SUITE_P(CaptionMask, FormatMaskDouble,
                         ::testing::Values(MaskCase{0, "###,##0.00", "0,00"},
                                           MaskCase{1234.5, "###,##0.00", "1.234,50"},
                                           MaskCase{-1234.5, "###,##0.00", "-1.234,50"},
                                           MaskCase{0.5, "###,##0.00", "0,50"},
                                           MaskCase{1234567.891, "###,##0.00", "1.234.567,89"}));

INSTANTIATE_TEST_SUITE_P(
    PlainMasks, FormatMaskDouble,
    ::testing::Values(MaskCase{1.005, "0.00", "1,01"}, MaskCase{-1.005, "0.00", "-1,01"},
                      MaskCase{2.675, "0.00", "2,68"}, MaskCase{0.005, "0.00", "0,01"},
                      MaskCase{-0.005, "0.00", "-0,01"}, MaskCase{1234.5, "0.00", "1234,50"},
                      MaskCase{0.05, "0.0", "0,1"}, MaskCase{-0.05, "0.0", "-0,1"},
                      MaskCase{0.04, "0.0", "0,0"}, MaskCase{-0.04, "0.0", "0,0"},
                      MaskCase{1234.56, "0.0", "1234,6"}, MaskCase{12.5, "0.00 %", "12,50 %"},
                      MaskCase{-3, "0.00 %", "-3,00 %"}, MaskCase{0.125, "0.00 %", "0,13 %"},
                      MaskCase{2.5, "0", "3"}, MaskCase{-2.5, "0", "-3"}, MaskCase{-0.4, "0", "0"},
                      MaskCase{1234567, "#,##0", "1.234.567"}, MaskCase{7, "000", "007"},
                      MaskCase{3.5, "R$ ###,##0.00", "R$ 3,50"}, MaskCase{1.5, "0.##", "1,5"},
                      MaskCase{1, "0.##", "1"}, MaskCase{1.234, "0.0#", "1,23"},
                      MaskCase{1.123456, "0.000000", "1,123456"}, MaskCase{0.1234, "0.0000", "0,1234"}));

INSTANTIATE_TEST_SUITE_P(BigValues, FormatMaskDouble,
                         ::testing::Values(MaskCase{1e15, "0.0,0", "1.000.000.000.000.000,00"},
                                           MaskCase{-2.5e16, "###,##0.00", "-25.000.000.000.000.000,00"},
                                           MaskCase{899999999999999.9, "0.0,0", "899.999.999.999.999,90"}));

TEST(FormatMask, CurrencyValues) {
    EXPECT_EQ(formatMask(Currency::fromUnits(50), "0.00"), "0,01");
    EXPECT_EQ(formatMask(Currency::fromUnits(-50), "0.00"), "-0,01");
    EXPECT_EQ(formatMask(Currency::fromUnits(-49), "0.00"), "0,00");
    EXPECT_EQ(formatMask(Currency::fromUnits(12345), "0.0000"), "1,2345");
    EXPECT_EQ(formatMask(Currency::fromUnits(12345), "0.000000"), "1,234500");
    EXPECT_EQ(formatMask(Currency::fromReais(1000000), kMoneyMask), "1.000.000,00");
    EXPECT_EQ(formatMask(Currency::fromUnits(std::numeric_limits<std::int64_t>::max()), kMoneyMask),
              "922.337.203.685.477,58");
    EXPECT_EQ(formatMask(Currency::fromUnits(std::numeric_limits<std::int64_t>::min()), "0.0000"),
              "-922337203685477,5808");
}

TEST(FormatMask, NotANumber) {
    EXPECT_EQ(formatMask(std::numeric_limits<double>::quiet_NaN(), "0.00"), "NAN");
    EXPECT_EQ(formatMask(-std::numeric_limits<double>::infinity(), "0.00"), "-INF");
}

TEST(FormatMoney, UsesTheGridMask) {
    EXPECT_EQ(formatMoney(Currency()), "0,00");
    EXPECT_EQ(formatMoney(Currency::fromDouble(-12.5)), "-12,50");
    EXPECT_EQ(formatMoney(Currency::fromDouble(1234567.891)), "1.234.567,89");
}

TEST(FormatReais, PrefixesTheSymbol) {
    EXPECT_EQ(formatReais(Currency::fromDouble(1234.5)), "R$ 1.234,50");
    EXPECT_EQ(formatReais(Currency::fromDouble(-1234.5)), "R$ -1.234,50");
    EXPECT_EQ(formatReais(Currency()), "R$ 0,00");
    EXPECT_EQ(formatReais(Currency::fromDouble(-0.001)), "R$ 0,00");
}

TEST(FormatMask, ParseRoundTrip) {
    for (double value : {0.0, 0.01, -0.01, 12.5, -12.5, 1234.56, 1000000.0, -987654321.09}) {
        const Currency currency = Currency::fromDouble(value);
        const auto parsed = Currency::parse(formatMoney(currency));
        ASSERT_TRUE(parsed.has_value()) << formatMoney(currency);
        EXPECT_EQ(*parsed, currency);
        const auto parsedReais = Currency::parse(formatReais(currency));
        ASSERT_TRUE(parsedReais.has_value()) << formatReais(currency);
        EXPECT_EQ(*parsedReais, currency);
    }
}

}  // namespace
}  // namespace core

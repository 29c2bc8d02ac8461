#include "core/date.h"

#include <gtest/gtest.h>

#include <string>

namespace core {
namespace {

const Date kToday{2024, 6, 15};

struct ParseCase {
    const char* text;
    Date expected;
};

class ParseDateAccepts : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateAccepts, Reads) {
    EXPECT_EQ(parseDate(GetParam().text, kToday), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDateAccepts,
    ::testing::Values(ParseCase{"05/03/04", {2004, 3, 5}}, ParseCase{"05/03/2004", {2004, 3, 5}},
                      ParseCase{"5/3/04", {2004, 3, 5}}, ParseCase{" 05/03/04 ", {2004, 3, 5}},
                      ParseCase{"29/02/24", {2024, 2, 29}}, ParseCase{"29/02/2000", {2000, 2, 29}},
                      ParseCase{"31/12/1899", {1899, 12, 31}}, ParseCase{"01/01/0001", {1, 1, 1}},
                      // The window for 2024 runs from 1974 to 2073.
                      ParseCase{"01/01/74", {1974, 1, 1}}, ParseCase{"31/12/73", {2073, 12, 31}},
                      ParseCase{"01/01/00", {2000, 1, 1}}, ParseCase{"01/01/99", {1999, 1, 1}},
                      ParseCase{"31/12/75", {1975, 12, 31}}, ParseCase{"15/06/24", {2024, 6, 15}},
                      // Empty masked text.
                      ParseCase{"  /  /  ", {}}, ParseCase{"__/__/__", {}}, ParseCase{"", {}},
                      ParseCase{"   ", {}}, ParseCase{"  /  /    ", {}},
                      ParseCase{"5_/3_/04", {2004, 3, 5}}));

class ParseDateRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseDateRefuses, Throws) {
    EXPECT_THROW(parseDate(GetParam(), kToday), DateError) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseDateRefuses,
                         ::testing::Values("31/02/24", "29/02/23", "29/02/1900", "00/01/24", "01/00/24",
                                           "01/13/24", "32/01/24", "31/04/2024", "05/03/", "05/03/  ",
                                           "05/03/4", "05/03/204", "05/03/20045", "05-03-04", "05/03",
                                           "05/03/04/01", "a5/03/04", "005/03/04", "05/03/04x", "0 5/03/04",
                                           "01/01/0000"));

TEST(ParseDate, MessageIsPortuguese) {
    try {
        parseDate("31/02/24", kToday);
        FAIL() << "no exception";
    } catch (const DateError& error) {
        EXPECT_EQ(std::string(error.what()), "'31/02/24' não é uma data válida!");
    }
}

TEST(ParseDate, WindowEdgesFollowToday) {
    EXPECT_EQ(parseDate("01/01/50", Date{2000, 1, 1}), (Date{1950, 1, 1}));
    EXPECT_EQ(parseDate("31/12/49", Date{2000, 1, 1}), (Date{2049, 12, 31}));
    EXPECT_EQ(parseDate("01/01/40", Date{2090, 7, 1}), (Date{2040, 1, 1}));
    EXPECT_EQ(parseDate("01/01/39", Date{2090, 7, 1}), (Date{2139, 1, 1}));
    EXPECT_EQ(parseDate("01/01/26", Date{1976, 1, 1}), (Date{1926, 1, 1}));
    EXPECT_EQ(parseDate("01/01/25", Date{1976, 1, 1}), (Date{2025, 1, 1}));
}

TEST(ParseDate, DefaultTodayIsTheClock) {
    const Date today = Date::today();
    const std::string text = shortDateTwoDigitYear(today);
    EXPECT_EQ(parseDate(text), today);
}

TEST(Date, Validity) {
    EXPECT_TRUE(Date::isValid(2024, 2, 29));
    EXPECT_FALSE(Date::isValid(2023, 2, 29));
    EXPECT_TRUE(Date::isValid(2000, 2, 29));
    EXPECT_FALSE(Date::isValid(1900, 2, 29));
    EXPECT_FALSE(Date::isValid(2024, 4, 31));
    EXPECT_FALSE(Date::isValid(0, 1, 1));
    EXPECT_EQ(Date::daysInMonth(2024, 2), 29);
    EXPECT_EQ(Date::daysInMonth(2023, 2), 28);
    EXPECT_EQ(Date::daysInMonth(2023, 12), 31);
    EXPECT_EQ(Date::daysInMonth(2023, 13), 0);
}

TEST(Date, Arithmetic) {
    EXPECT_EQ((Date{1970, 1, 1}).daysSinceEpoch(), 0);
    EXPECT_EQ((Date{1969, 12, 31}).daysSinceEpoch(), -1);
    EXPECT_EQ((Date{2000, 3, 1}).daysSinceEpoch(), 11017);
    EXPECT_EQ(Date::fromDaysSinceEpoch(11017), (Date{2000, 3, 1}));
    EXPECT_EQ((Date{2024, 2, 28}).addDays(1), (Date{2024, 2, 29}));
    EXPECT_EQ((Date{2023, 2, 28}).addDays(1), (Date{2023, 3, 1}));
    EXPECT_EQ((Date{2023, 12, 31}).addDays(1), (Date{2024, 1, 1}));
    EXPECT_EQ((Date{2024, 1, 1}).addDays(-1), (Date{2023, 12, 31}));
    EXPECT_EQ((Date{2024, 3, 1}).daysSinceEpoch() - (Date{2024, 2, 1}).daysSinceEpoch(), 29);
    for (long days = -800000; days <= 800000; days += 997)
        EXPECT_EQ(Date::fromDaysSinceEpoch(days).daysSinceEpoch(), days);
}

TEST(Date, DayOfWeekStartsOnSunday) {
    EXPECT_EQ((Date{1970, 1, 1}).dayOfWeek(), 5);    // Thursday
    EXPECT_EQ((Date{2004, 3, 5}).dayOfWeek(), 6);    // Friday
    EXPECT_EQ((Date{2024, 1, 7}).dayOfWeek(), 1);    // Sunday
    EXPECT_EQ((Date{2024, 1, 13}).dayOfWeek(), 7);   // Saturday
    EXPECT_EQ((Date{1969, 12, 28}).dayOfWeek(), 1);  // Sunday, before the epoch
}

TEST(Date, Comparison) {
    EXPECT_LT((Date{2023, 12, 31}), (Date{2024, 1, 1}));
    EXPECT_LT((Date{2024, 1, 31}), (Date{2024, 2, 1}));
    EXPECT_TRUE(Date{}.isNull());
    EXPECT_FALSE((Date{2024, 1, 1}).isNull());
}

TEST(Date, Iso) {
    EXPECT_EQ((Date{2004, 3, 5}).toIso(), "2004-03-05");
    EXPECT_EQ(Date{}.toIso(), "");
    EXPECT_EQ(Date::fromIso("2004-03-05"), (Date{2004, 3, 5}));
    EXPECT_EQ(Date::fromIso(""), Date{});
    EXPECT_EQ(Date::fromIso("2023-02-29"), std::nullopt);
    EXPECT_EQ(Date::fromIso("2004-3-5"), std::nullopt);
    EXPECT_EQ(Date::fromIso("05/03/2004"), std::nullopt);
    EXPECT_EQ(Date::fromIso("2004-03-05x"), std::nullopt);
    EXPECT_EQ(Date::fromIso("2004-03-0a"), std::nullopt);
    for (long days = -20000; days <= 40000; days += 37) {
        const Date date = Date::fromDaysSinceEpoch(days);
        EXPECT_EQ(Date::fromIso(date.toIso()), date);
    }
}

TEST(Date, ShortTexts) {
    EXPECT_EQ(shortDate(Date{2004, 3, 5}), "05/03/2004");
    EXPECT_EQ(shortDate(Date{}), "");
    EXPECT_EQ(shortDateTwoDigitYear(Date{2004, 3, 5}), "05/03/04");
    EXPECT_EQ(shortDateTwoDigitYear(Date{1999, 12, 31}), "31/12/99");
    EXPECT_EQ(shortDateTwoDigitYear(Date{}), "  /  /  ");
    EXPECT_EQ(std::string(kEmptyShortDate), "  /  /  ");
    EXPECT_EQ(parseDate(shortDate(Date{2004, 3, 5}), kToday), (Date{2004, 3, 5}));
    EXPECT_EQ(parseDate(shortDateTwoDigitYear(Date{2004, 3, 5}), kToday), (Date{2004, 3, 5}));
    EXPECT_EQ(parseDate(shortDateTwoDigitYear(Date{}), kToday), Date{});
}

TEST(Date, LongDate) {
    EXPECT_EQ(longDate(Date{2004, 3, 5}), "5 de Março de 2004");
    EXPECT_EQ(longDate(Date{2024, 1, 1}), "1 de Janeiro de 2024");
    EXPECT_EQ(longDate(Date{1999, 12, 31}), "31 de Dezembro de 1999");
    EXPECT_EQ(longDate(Date{}), "");
    const char* names[] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                           "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(monthName(month), names[month - 1]);
    EXPECT_EQ(monthName(0), "");
    EXPECT_EQ(monthName(13), "");
}

TEST(Date, BirthdayKey) {
    EXPECT_EQ(birthdayKey(5, 3), "5/3");
    EXPECT_EQ(birthdayKey(25, 12), "25/12");
    EXPECT_EQ(birthdayKey(1, 10), "1/10");
}

TEST(Date, TodayIsValid) {
    const Date today = Date::today();
    EXPECT_TRUE(Date::isValid(today.year, today.month, today.day));
}

TEST(Time, ParseAndFormat) {
    EXPECT_EQ(Time::parse("09:30"), (Time{9, 30, 0}));
    EXPECT_EQ(Time::parse("9:30"), (Time{9, 30, 0}));
    EXPECT_EQ(Time::parse("09:30:15"), (Time{9, 30, 15}));
    EXPECT_EQ(Time::parse(" 9:05 "), (Time{9, 5, 0}));
    EXPECT_EQ(Time::parse("23:59:59"), (Time{23, 59, 59}));
    EXPECT_EQ(Time::parse("00:00"), (Time{0, 0, 0}));
    EXPECT_TRUE(Time::parse("")->isNull());
    EXPECT_TRUE(Time::parse("  :  ")->isNull());
    EXPECT_TRUE(Time::parse("__:__")->isNull());
    EXPECT_EQ(Time::parse("24:00"), std::nullopt);
    EXPECT_EQ(Time::parse("12:60"), std::nullopt);
    EXPECT_EQ(Time::parse("12:30:60"), std::nullopt);
    EXPECT_EQ(Time::parse("12"), std::nullopt);
    EXPECT_EQ(Time::parse("12:"), std::nullopt);
    EXPECT_EQ(Time::parse("12:3a"), std::nullopt);
    EXPECT_EQ(Time::parse("123:00"), std::nullopt);
    EXPECT_EQ(Time::parse("1:2:3:4"), std::nullopt);
    EXPECT_EQ((Time{9, 30, 0}).toIso(), "09:30:00");
    EXPECT_EQ((Time{9, 30, 5}).toShortText(), "09:30");
    EXPECT_EQ(Time{}.toIso(), "");
    EXPECT_EQ(Time{}.toShortText(), "");
    EXPECT_TRUE(Time{}.isNull());
    EXPECT_LT((Time{9, 30, 0}), (Time{10, 0, 0}));
    EXPECT_EQ(Time::parse((Time{7, 8, 9}).toIso()), (Time{7, 8, 9}));
}

TEST(Time, NowIsValid) {
    const Time now = Time::now();
    EXPECT_FALSE(now.isNull());
    EXPECT_LE(now.hour, 23);
    EXPECT_LE(now.minute, 59);
    EXPECT_LE(now.second, 59);
}

}  // namespace
}  // namespace core

#pragma once
// Calendar dates and times of day as the salon writes them: day/month/year.
#include <compare>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace core {

// A date or the null date (all zero), which is what an empty date box or field holds.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;

    bool isNull() const { return year == 0 && month == 0 && day == 0; }
    static bool isValid(int year, int month, int day);
    static int daysInMonth(int year, int month);
    static Date today();

    // Days since 1 January 1970 (negative before); the null date has none.
    long daysSinceEpoch() const;
    static Date fromDaysSinceEpoch(long days);
    Date addDays(long days) const { return fromDaysSinceEpoch(daysSinceEpoch() + days); }
    // 1 = Sunday .. 7 = Saturday.
    int dayOfWeek() const;

    // "2004-03-05"; empty for the null date.
    std::string toIso() const;
    // Reads "2004-03-05"; empty text gives the null date; anything else gives nothing.
    static std::optional<Date> fromIso(std::string_view text);

    auto operator<=>(const Date&) const = default;
};

// Thrown for text that is not a date, with a message fit to show the user.
class DateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads "dd/mm/yy" or "dd/mm/yyyy" (also "d/m/yy"). Two-digit years fall in the window
// from 50 years before `today` to 49 years after. The empty masked text "  /  /  " (or
// blanks) gives the null date. An impossible date such as 31/02/24 throws DateError.
Date parseDate(std::string_view text, const Date& today = Date::today());

// The empty text of a date box with the mask "!99/99/00;1;_".
inline constexpr std::string_view kEmptyShortDate = "  /  /  ";

// "05/03/2004"; empty for the null date.
std::string shortDate(const Date& date);
// "05/03/04", what a box with the two-digit-year mask shows; "  /  /  " for the null date.
std::string shortDateTwoDigitYear(const Date& date);
// "5 de Março de 2004".
std::string longDate(const Date& date);
// "Janeiro" .. "Dezembro" for 1..12.
std::string_view monthName(int month);
// Day and month without leading zeros joined by "/": 5 March is "5/3".
std::string birthdayKey(int day, int month);

// A time of day, or null (what an empty time box holds).
struct Time {
    int hour = -1;
    int minute = 0;
    int second = 0;

    bool isNull() const { return hour < 0; }
    static Time now();
    // "09:30:00"; empty for null.
    std::string toIso() const;
    // Reads "09:30", "9:30" or "09:30:15"; empty or blank masked text ("  :  ") gives null;
    // anything else gives nothing.
    static std::optional<Time> parse(std::string_view text);
    // "09:30".
    std::string toShortText() const;

    auto operator<=>(const Time&) const = default;
};

}  // namespace core

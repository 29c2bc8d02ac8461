#include "core/date.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace core {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Janeiro",  "Fevereiro", "Março",    "Abril",
                                                          "Maio",     "Junho",     "Julho",    "Agosto",
                                                          "Setembro", "Outubro",   "Novembro", "Dezembro"};

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
// What an empty position of a masked box holds.
bool isMaskBlank(char c) {
    return isBlank(c) || c == '_';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// True when the text holds nothing but mask blanks and the given separator.
bool isEmptyMasked(std::string_view text, char separator) {
    for (char c : text)
        if (!isMaskBlank(c) && c != separator) return false;
    return true;
}

// Splits at `separator`; each piece loses its mask blanks at both ends and must then be
// 1..maxDigits digits. Gives false for anything else.
bool readNumberFields(std::string_view text, char separator, std::size_t maxDigits,
                      std::vector<std::string_view>& fields) {
    fields.clear();
    while (true) {
        const std::size_t at = text.find(separator);
        std::string_view piece = text.substr(0, at);
        while (!piece.empty() && isMaskBlank(piece.front())) piece.remove_prefix(1);
        while (!piece.empty() && isMaskBlank(piece.back())) piece.remove_suffix(1);
        if (piece.empty() || piece.size() > maxDigits) return false;
        for (char c : piece)
            if (!isDigit(c)) return false;
        fields.push_back(piece);
        if (at == std::string_view::npos) return true;
        text.remove_prefix(at + 1);
    }
}

int toInt(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

template <typename... Ints>
std::string printNumbers(const char* format, Ints... values) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, format, values...);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

// Howard Hinnant's days_from_civil / civil_from_days (proleptic Gregorian).
long daysFromCivil(long y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

bool Date::isValid(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

int Date::daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && isLeapYear(year)) return 29;
    return kDays[static_cast<std::size_t>(month - 1)];
}

Date Date::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

long Date::daysSinceEpoch() const {
    if (isNull()) return 0;
    return daysFromCivil(year, month, day);
}

Date Date::fromDaysSinceEpoch(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long y = yoe + era * 400 + (m <= 2);
    return Date{static_cast<int>(y), m, d};
}

int Date::dayOfWeek() const {
    if (isNull()) return 0;
    // 1 January 1970 was a Thursday (5 when Sunday is 1).
    const long days = daysSinceEpoch();
    return static_cast<int>(((days + 4) % 7 + 7) % 7) + 1;
}

std::string Date::toIso() const {
    if (isNull()) return {};
    return printNumbers("%04d-%02d-%02d", year, month, day);
}

std::optional<Date> Date::fromIso(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return Date{};
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (!isDigit(text[i])) return std::nullopt;
    const Date date{toInt(text.substr(0, 4)), toInt(text.substr(5, 2)), toInt(text.substr(8, 2))};
    if (!isValid(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

Date parseDate(std::string_view text, const Date& today) {
    if (isEmptyMasked(text, '/')) return Date{};
    const std::string_view trimmedText = trimBlanks(text);
    const auto refuse = [&]() {
        return DateError("'" + std::string(trimmedText) + "' não é uma data válida!");
    };

    std::vector<std::string_view> fields;
    if (!readNumberFields(trimmedText, '/', 4, fields) || fields.size() != 3 || fields[0].size() > 2 ||
        fields[1].size() > 2 || (fields[2].size() != 2 && fields[2].size() != 4))
        throw refuse();

    const int day = toInt(fields[0]);
    const int month = toInt(fields[1]);
    int year = toInt(fields[2]);
    if (fields[2].size() == 2) {
        // The window runs from 50 years before today's year to 49 after.
        const int currentYear = today.isNull() ? Date::today().year : today.year;
        const int first = currentYear - 50;
        year = first + (((year - first) % 100) + 100) % 100;
    }
    if (!Date::isValid(year, month, day)) throw refuse();
    return Date{year, month, day};
}

std::string shortDate(const Date& date) {
    if (date.isNull()) return {};
    return printNumbers("%02d/%02d/%04d", date.day, date.month, date.year);
}

std::string shortDateTwoDigitYear(const Date& date) {
    if (date.isNull()) return std::string(kEmptyShortDate);
    return printNumbers("%02d/%02d/%02d", date.day, date.month, ((date.year % 100) + 100) % 100);
}

std::string longDate(const Date& date) {
    if (date.isNull()) return {};
    return std::to_string(date.day) + " de " + std::string(monthName(date.month)) + " de " +
           std::to_string(date.year);
}

std::string_view monthName(int month) {
    if (month < 1 || month > 12) return {};
    return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string birthdayKey(int day, int month) {
    return std::to_string(day) + "/" + std::to_string(month);
}

Time Time::now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Time{local.tm_hour, local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59};
}

std::string Time::toIso() const {
    if (isNull()) return {};
    return printNumbers("%02d:%02d:%02d", hour, minute, second);
}

std::optional<Time> Time::parse(std::string_view text) {
    if (isEmptyMasked(text, ':')) return Time{};
    std::vector<std::string_view> fields;
    if (!readNumberFields(trimBlanks(text), ':', 2, fields) || fields.size() < 2 || fields.size() > 3)
        return std::nullopt;
    Time time{toInt(fields[0]), toInt(fields[1]), fields.size() == 3 ? toInt(fields[2]) : 0};
    if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
    return time;
}

std::string Time::toShortText() const {
    if (isNull()) return {};
    return printNumbers("%02d:%02d", hour, minute);
}

}  // namespace core

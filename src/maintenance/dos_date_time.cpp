#include "maintenance/dos_date_time.h"

#include <chrono>
#include <ctime>

namespace maintenance {

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = kFirstYear + 127;

std::uint32_t pack(int year, int month, int day, int hour, int minute, int second) {
    std::uint32_t date = static_cast<std::uint32_t>((year - kFirstYear) << 9 | month << 5 | day);
    std::uint32_t time = static_cast<std::uint32_t>(hour << 11 | minute << 5 | second / 2);
    return date << 16 | time;
}

}  // namespace

std::uint32_t toDosDateTime(std::filesystem::file_time_type time) {
    const auto seconds = std::chrono::floor<std::chrono::seconds>(std::chrono::file_clock::to_sys(time));
    const std::time_t t = std::chrono::system_clock::to_time_t(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    const int year = local.tm_year + 1900;
    if (year < kFirstYear) return pack(kFirstYear, 1, 1, 0, 0, 0);
    if (year > kLastYear) return pack(kLastYear, 12, 31, 23, 59, 58);
    return pack(year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

std::optional<std::filesystem::file_time_type> fromDosDateTime(std::uint32_t packed) {
    const int year = kFirstYear + static_cast<int>(packed >> 25);
    const int month = static_cast<int>(packed >> 21 & 0x0F);
    const int day = static_cast<int>(packed >> 16 & 0x1F);
    const int hour = static_cast<int>(packed >> 11 & 0x1F);
    const int minute = static_cast<int>(packed >> 5 & 0x3F);
    const int second = static_cast<int>(packed & 0x1F) * 2;
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59) return std::nullopt;
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    const std::time_t t = std::mktime(&local);
    if (t == -1) return std::nullopt;
    return std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(t));
}

}  // namespace maintenance

#include "maintenance/archive_format.h"

#include <cstdio>

namespace maintenance::format {

namespace {

std::string threeDigits(int volume) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", volume % 1000);
    return digits;
}

}  // namespace

std::string volumeBreakName(int volume) {
    return std::string(kVolumeBreakPrefix) + threeDigits(volume);
}

std::optional<int> volumeOfBreakName(std::string_view name) {
    if (!name.starts_with(kVolumeBreakPrefix)) return std::nullopt;
    std::string_view digits = name.substr(kVolumeBreakPrefix.size());
    if (digits.size() != 3) return std::nullopt;
    int volume = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        volume = volume * 10 + (c - '0');
    }
    return volume;
}

std::filesystem::path volumePath(const std::filesystem::path& first, int volume) {
    std::filesystem::path path = first;
    path.replace_extension("." + threeDigits(volume));
    return path;
}

}  // namespace maintenance::format

#pragma once
// File dates as the archive stores them: the packed DOS date and time in local time,
// date in the high 16 bits, time in the low 16 bits, seconds to the even second.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace maintenance {

// Dates before 1980 or after 2107 are clamped to the first or last one the format can hold.
std::uint32_t toDosDateTime(std::filesystem::file_time_type time);
// Nothing when the packed value names no real date and time (month 13, 31 February, hour 25…).
std::optional<std::filesystem::file_time_type> fromDosDateTime(std::uint32_t packed);

}  // namespace maintenance

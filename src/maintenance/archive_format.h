#pragma once
// Fixed numbers and names of the backup archive layout, shared by the writer and the reader.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace maintenance::format {

// Every block but a file's last carries exactly this many bytes of the file.
inline constexpr std::int32_t kBlockSize = 16384;
// A volume takes no further block once it is this close to its maximum size.
inline constexpr std::int64_t kVolumeReserve = kBlockSize + 100;
// Decoded and stored sizes of one legacy LZRW1-KH chunk.
inline constexpr std::int32_t kLegacyChunkSize = 32783;

inline constexpr std::array<std::uint8_t, 4> kSignature{0x45, 0x43, 0x32, 0x00};        // "EC2\0"
inline constexpr std::array<std::uint8_t, 4> kLegacySignature{0x45, 0x43, 0x53, 0x00};  // "ECS\0"

inline constexpr std::string_view kVolumeBreakPrefix = "NEXT:DISK";
inline constexpr std::string_view kFileListName = "FILE:LIST";

// Limits the reader enforces so that a damaged length cannot ask for absurd allocations.
inline constexpr std::int32_t kMaxNameLength = 4096;
inline constexpr std::int32_t kMaxTitleLength = 65536;
// Three digits number the volumes.
inline constexpr int kMaxVolumes = 999;

// Size of a file entry before its data section: name length, name, date.
inline constexpr std::int64_t entrySize(std::size_t nameLength) {
    return 4 + static_cast<std::int64_t>(nameLength) + 4;
}
// A volume-break entry: name length and "NEXT:DISKnnn".
inline constexpr std::int64_t kVolumeBreakSize = 4 + 12;

// "NEXT:DISK002" for volume 2.
std::string volumeBreakName(int volume);
// The volume a break entry names, when `name` is one; nothing for other names.
std::optional<int> volumeOfBreakName(std::string_view name);
// The file holding `volume` (2..999) of the archive whose first volume is `first`: "x.bck" gives "x.002".
std::filesystem::path volumePath(const std::filesystem::path& first, int volume);

}  // namespace maintenance::format

#pragma once
// Helpers for the archive tests: file contents, hand-made archives, and an independent
// reading of an archive's byte layout to check what the writer produced.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace archive_test {

using Bytes = std::vector<std::uint8_t>;

// Noise that no compressor can shrink.
Bytes randomBytes(std::size_t size, std::uint32_t seed);
// Table-like text that compresses well.
Bytes textBytes(std::size_t size, std::uint32_t seed);
Bytes bytesOf(std::string_view text);

void writeFile(const std::filesystem::path& path, const Bytes& bytes);
Bytes readFile(const std::filesystem::path& path);
// Every file below `folder` (relative name → contents), to show a folder was left unchanged.
std::map<std::string, Bytes> folderContents(const std::filesystem::path& folder);

// A complete zlib stream of `data` at `level`.
Bytes zlibStream(const Bytes& data, int level);

// Builds archives byte by byte, little-endian as the format says.
class ArchiveBytes {
  public:
    ArchiveBytes& int32(std::int32_t value);
    ArchiveBytes& raw(const Bytes& bytes);
    ArchiveBytes& raw(std::string_view bytes);
    ArchiveBytes& text(std::string_view text);
    ArchiveBytes& header(std::int32_t totalSize, std::int32_t fileCount, std::string_view title = "");
    ArchiveBytes& entry(std::string_view name, std::uint32_t dosDateTime);
    ArchiveBytes& signature();
    ArchiveBytes& zlibBlock(const Bytes& data, int level = 1);
    ArchiveBytes& storedBlock(const Bytes& data);
    // One file entry with one data section holding `data` in zlib blocks, and its end marker.
    ArchiveBytes& file(std::string_view name, std::uint32_t dosDateTime, const Bytes& data);

    const Bytes& bytes() const { return bytes_; }
    void save(const std::filesystem::path& path) const { writeFile(path, bytes_); }

  private:
    Bytes bytes_;
};

struct Block {
    std::int32_t length;
    Bytes bytes;
};

struct Entry {
    std::string name;
    std::uint32_t dosDateTime;
    // One section per volume the file spans.
    std::vector<std::vector<Block>> sections;
};

struct Layout {
    std::string title;
    std::int32_t totalSize = 0;
    std::int32_t fileCount = 0;
    std::vector<Entry> entries;
    // Names of the volume-break entries, in order.
    std::vector<std::string> volumeBreaks;
};

// Reads an archive written by the component, following its volumes; records a test failure
// for anything that does not follow the layout.
Layout parseArchive(const std::filesystem::path& first);
// The bytes a block carries: inflated for a positive length, as stored for a negative one.
Bytes blockContent(const Block& block);
Bytes fileContent(const Entry& entry);

// A local date and time as a file time.
std::filesystem::file_time_type localTime(int year, int month, int day, int hour, int minute, int second);

// A packed DOS date and time.
constexpr std::uint32_t dosDateTime(int year, int month, int day, int hour, int minute, int second) {
    return static_cast<std::uint32_t>((year - 1980) << 25 | month << 21 | day << 16 | hour << 11 |
                                      minute << 5 | second / 2);
}

}  // namespace archive_test

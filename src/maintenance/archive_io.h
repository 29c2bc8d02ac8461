#pragma once
// Byte-level reading and writing of archive volumes: 32-bit little-endian integers,
// length-prefixed strings and raw bytes. Failures end the job with the archive's error codes.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace maintenance {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// One volume opened for reading; a short read is "Cannot read archive".
class ArchiveInput {
  public:
    explicit ArchiveInput(const std::filesystem::path& path);

    std::int32_t readInt32();
    void readBytes(std::span<std::uint8_t> bytes);
    // `length` bytes of text; the caller has checked the length against its limit.
    std::string readText(std::int32_t length);
    bool atEnd();
    const std::filesystem::path& path() const { return path_; }

  private:
    [[noreturn]] void fail() const;

    std::filesystem::path path_;
    FileHandle file_;
};

// One volume being written; `position` is its size so far. Failures are "Cannot write to archive".
class ArchiveOutput {
  public:
    explicit ArchiveOutput(const std::filesystem::path& path);

    void writeInt32(std::int32_t value);
    void writeBytes(std::span<const std::uint8_t> bytes);
    void writeText(std::string_view text);
    // Flushes and closes, reporting a failure that only shows when the data reaches the disk.
    void close();
    std::int64_t position() const { return position_; }
    const std::filesystem::path& path() const { return path_; }

  private:
    [[noreturn]] void fail() const;

    std::filesystem::path path_;
    FileHandle file_;
    std::int64_t position_ = 0;
};

}  // namespace maintenance

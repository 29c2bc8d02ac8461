#pragma once
// Byte-level reading and writing of archive volumes: 32-bit little-endian integers,
// length-prefixed strings and raw bytes. Failures end the job with the archive's error codes.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <future>
#include <memory>
#include <span>
#include <string>

namespace maintenance {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A stdio stream with a large buffer of its own: given no buffer, glibc ignores the size
// asked of setvbuf and reads and writes in 4 KiB pieces, and on a virtual machine each
// system call costs more than the copy.
class BufferedFile {
  public:
    BufferedFile(const std::filesystem::path& path, const char* mode);
    std::FILE* get() const { return file_.get(); }
    explicit operator bool() const { return file_ != nullptr; }
    // Flushes and closes; false when either failed.
    bool close();

  private:
    std::unique_ptr<char[]> buffer_;  // outlives the stream, which flushes from it on closing
    FileHandle file_;
};

// One volume opened for reading; a short read is "Cannot read archive". The volume is read
// in large pieces, the next one on a second thread while the current one is decoded, so the
// system's share of reading does not add to the decoding.
class ArchiveInput {
  public:
    explicit ArchiveInput(const std::filesystem::path& path);
    ArchiveInput(const ArchiveInput&) = delete;
    ArchiveInput& operator=(const ArchiveInput&) = delete;

    std::int32_t readInt32();
    void readBytes(std::span<std::uint8_t> bytes);
    // The next `size` bytes where they lie when the piece in hand holds them all, else copied
    // into `scratch`; valid until the next read.
    std::span<const std::uint8_t> viewBytes(std::size_t size, std::span<std::uint8_t> scratch);
    // `length` bytes of text; the caller has checked the length against its limit.
    std::string readText(std::int32_t length);
    bool atEnd();
    const std::filesystem::path& path() const { return path_; }

  private:
    struct Piece {
        std::unique_ptr<std::uint8_t[]> bytes;  // allocated once, not cleared: read over at once
        std::size_t size = 0;
        bool failed = false;
    };

    [[noreturn]] void fail() const;
    static void readPiece(int fd, Piece& piece);
    // Makes the piece read ahead the current one and starts reading the next; false at the
    // end of the volume.
    bool advance();
    void readAhead();

    struct Descriptor {
        int fd;
        ~Descriptor();
    };

    std::filesystem::path path_;
    Descriptor file_;  // closed after the piece being read ahead is finished
    Piece current_;
    std::size_t at_ = 0;  // read so far of the current piece
    Piece spare_;         // the buffer the next piece will be read into
    std::future<Piece> next_;
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
    BufferedFile file_;
    std::int64_t position_ = 0;
};

}  // namespace maintenance

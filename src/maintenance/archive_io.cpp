#include "maintenance/archive_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "maintenance/backup_errors.h"

namespace maintenance {

namespace {

constexpr std::size_t kStreamBuffer = 1024 * 1024;
constexpr std::size_t kPieceSize = 1024 * 1024;

}  // namespace

BufferedFile::BufferedFile(const std::filesystem::path& path, const char* mode)
    : file_(std::fopen(path.c_str(), mode)) {
    if (!file_) return;
    buffer_ = std::make_unique_for_overwrite<char[]>(kStreamBuffer);
    std::setvbuf(file_.get(), buffer_.get(), _IOFBF, kStreamBuffer);
}

bool BufferedFile::close() {
    if (!file_) return true;
    const bool flushed = std::fflush(file_.get()) == 0;
    const bool closed = std::fclose(file_.release()) == 0;
    return flushed && closed;
}

ArchiveInput::ArchiveInput(const std::filesystem::path& path)
    : path_(path), file_{::open(path.c_str(), O_RDONLY | O_CLOEXEC)} {
    if (file_.fd < 0) fail();
    // The first piece at once: a small volume needs no second thread.
    readPiece(file_.fd, current_);
    readAhead();
}

ArchiveInput::Descriptor::~Descriptor() {
    if (fd >= 0) ::close(fd);
}

// Fills `piece` from the file: full, or short only at the end of the file.
void ArchiveInput::readPiece(int fd, Piece& piece) {
    if (!piece.bytes) piece.bytes = std::make_unique_for_overwrite<std::uint8_t[]>(kPieceSize);
    piece.size = 0;
    piece.failed = false;
    while (piece.size < kPieceSize) {
        const ssize_t got = ::read(fd, piece.bytes.get() + piece.size, kPieceSize - piece.size);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            piece.failed = got < 0;
            break;
        }
        piece.size += static_cast<std::size_t>(got);
    }
}

void ArchiveInput::readAhead() {
    if (current_.failed || current_.size < kPieceSize) return;  // nothing more to read
    next_ = std::async(std::launch::async, [fd = file_.fd, piece = std::move(spare_)]() mutable {
        readPiece(fd, piece);
        return std::move(piece);
    });
}

bool ArchiveInput::advance() {
    if (!next_.valid()) {
        if (current_.failed) fail();
        return false;
    }
    spare_ = std::exchange(current_, next_.get());
    at_ = 0;
    readAhead();
    if (current_.size == 0 && current_.failed) fail();
    return current_.size > 0;
}

void ArchiveInput::fail() const {
    throw JobError(BackupError::CannotReadArchive, path_.string());
}

std::int32_t ArchiveInput::readInt32() {
    std::uint8_t bytes[4];
    readBytes(bytes);
    std::uint32_t value =
        bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return static_cast<std::int32_t>(value);
}

void ArchiveInput::readBytes(std::span<std::uint8_t> bytes) {
    while (!bytes.empty()) {
        if (at_ == current_.size && !advance()) fail();
        const std::size_t part = std::min(bytes.size(), current_.size - at_);
        std::memcpy(bytes.data(), current_.bytes.get() + at_, part);
        at_ += part;
        bytes = bytes.subspan(part);
    }
}

std::span<const std::uint8_t> ArchiveInput::viewBytes(std::size_t size, std::span<std::uint8_t> scratch) {
    if (current_.size - at_ >= size) {
        const std::span<const std::uint8_t> bytes(current_.bytes.get() + at_, size);
        at_ += size;
        return bytes;
    }
    readBytes(scratch.first(size));
    return scratch.first(size);
}

std::string ArchiveInput::readText(std::int32_t length) {
    std::string text(static_cast<std::size_t>(length), '\0');
    readBytes({reinterpret_cast<std::uint8_t*>(text.data()), text.size()});
    return text;
}

bool ArchiveInput::atEnd() {
    return at_ == current_.size && !advance();
}

ArchiveOutput::ArchiveOutput(const std::filesystem::path& path) : path_(path), file_(path, "wb") {
    if (!file_) fail();
}

void ArchiveOutput::fail() const {
    throw JobError(BackupError::CannotWriteArchive, path_.string());
}

void ArchiveOutput::writeInt32(std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                   static_cast<std::uint8_t>(bits >> 16),
                                   static_cast<std::uint8_t>(bits >> 24)};
    writeBytes(bytes);
}

void ArchiveOutput::writeBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return;
    if (!file_ || std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) fail();
    position_ += static_cast<std::int64_t>(bytes.size());
}

void ArchiveOutput::writeText(std::string_view text) {
    writeInt32(static_cast<std::int32_t>(text.size()));
    writeBytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void ArchiveOutput::close() {
    if (!file_.close()) fail();
}

}  // namespace maintenance

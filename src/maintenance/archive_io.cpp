#include "maintenance/archive_io.h"

#include "maintenance/backup_errors.h"

namespace maintenance {

namespace {

constexpr std::size_t kStreamBuffer = 1024 * 1024;

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

ArchiveInput::ArchiveInput(const std::filesystem::path& path) : path_(path), file_(path, "rb") {
    if (!file_) fail();
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
    if (bytes.empty()) return;
    if (std::fread(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) fail();
}

std::string ArchiveInput::readText(std::int32_t length) {
    std::string text(static_cast<std::size_t>(length), '\0');
    readBytes({reinterpret_cast<std::uint8_t*>(text.data()), text.size()});
    return text;
}

bool ArchiveInput::atEnd() {
    int c = std::fgetc(file_.get());
    if (c == EOF) return true;
    std::ungetc(c, file_.get());
    return false;
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

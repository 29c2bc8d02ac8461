#include "maintenance/background_writer.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace maintenance {

namespace {

constexpr std::size_t kChunkSize = 256 * 1024;
constexpr int kChunks = 4;

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

BackgroundWriter::BackgroundWriter() {
    for (int i = 1; i < kChunks; ++i) free_.emplace_back().bytes.reserve(kChunkSize);
    filling_.bytes.reserve(kChunkSize);
    thread_ = std::thread([this] { run(); });
}

BackgroundWriter::~BackgroundWriter() {
    drain();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundWriter::write(int fd, std::size_t file, std::span<const std::uint8_t> bytes) {
    filling_.fd = fd;
    filling_.file = file;
    while (!bytes.empty()) {
        const auto part = bytes.first(std::min(kChunkSize - filling_.bytes.size(), bytes.size()));
        filling_.bytes.insert(filling_.bytes.end(), part.begin(), part.end());
        bytes = bytes.subspan(part.size());
        if (filling_.bytes.size() == kChunkSize) submit();
    }
}

void BackgroundWriter::close(int fd, std::size_t file) {
    filling_.fd = fd;
    filling_.file = file;
    filling_.close = true;
    submit();
}

void BackgroundWriter::submit() {
    std::unique_lock lock(mutex_);
    const Chunk& submitted = queued_.emplace_back(std::move(filling_));
    const int fd = submitted.fd;
    const std::size_t file = submitted.file;
    const bool closed = submitted.close;
    changed_.notify_all();
    changed_.wait(lock, [this] { return !free_.empty(); });
    filling_ = std::move(free_.back());
    free_.pop_back();
    // A file not yet handed over goes on in the next buffer.
    filling_.fd = closed ? -1 : fd;
    filling_.file = file;
    filling_.close = false;
}

std::optional<std::size_t> BackgroundWriter::drain() {
    if (!filling_.bytes.empty()) submit();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queued_.empty() && !writing_; });
    return std::exchange(failed_, std::nullopt);
}

void BackgroundWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !queued_.empty(); });
        if (queued_.empty()) return;
        Chunk chunk = std::move(queued_.front());
        queued_.pop_front();
        writing_ = true;
        lock.unlock();
        bool ok = writeAll(chunk.fd, chunk.bytes);
        if (chunk.close) ok = ::close(chunk.fd) == 0 && ok;
        chunk.bytes.clear();
        lock.lock();
        if (!ok && !failed_) failed_ = chunk.file;
        writing_ = false;
        free_.push_back(std::move(chunk));
        changed_.notify_all();
    }
}

}  // namespace maintenance

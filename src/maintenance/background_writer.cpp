#include "maintenance/background_writer.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace maintenance {

namespace {

// Each hand-over wakes the other thread, which is dear on a virtual machine; buffers much
// larger than this no longer stay in the processor's cache while they are filled and written.
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
    for (int i = 1; i < kChunks; ++i)
        free_.emplace_back().bytes = std::make_unique_for_overwrite<std::uint8_t[]>(kChunkSize);
    filling_.bytes = std::make_unique_for_overwrite<std::uint8_t[]>(kChunkSize);
    thread_ = std::thread([this] { run(); });
}

BackgroundWriter::~BackgroundWriter() {
    drain();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    queuedChanged_.notify_one();
    thread_.join();
    if (fd_ >= 0) ::close(fd_);  // a file left open by a job that ended early
}

void BackgroundWriter::open(std::size_t file, Create create) {
    if (filling_.create || filling_.size > 0) submit();
    filling_.file = file;
    filling_.create = std::move(create);
}

std::span<std::uint8_t> BackgroundWriter::room(std::size_t size) {
    if (kChunkSize - filling_.size < size) submit();
    return {filling_.bytes.get() + filling_.size, std::min(size, kChunkSize)};
}

void BackgroundWriter::filled(std::size_t size) {
    filling_.size += size;
}

void BackgroundWriter::close() {
    filling_.close = true;
    submit();
}

void BackgroundWriter::submit() {
    std::unique_lock lock(mutex_);
    const std::size_t file = queued_.emplace_back(std::move(filling_)).file;
    // Woken for two buffers at a time, the writer sleeps half as often. It is always awake
    // when the caller has to wait: with no buffer free, at most one is being written and the
    // others are queued.
    if (queued_.size() >= 2) queuedChanged_.notify_one();
    freeChanged_.wait(lock, [this] { return !free_.empty(); });
    filling_ = std::move(free_.back());
    free_.pop_back();
    // A file not yet closed goes on in the next buffer.
    filling_.file = file;
}

std::optional<std::size_t> BackgroundWriter::failure() {
    std::lock_guard lock(mutex_);
    return failed_;
}

std::optional<std::size_t> BackgroundWriter::drain() {
    if (filling_.create || filling_.size > 0) submit();
    std::unique_lock lock(mutex_);
    queuedChanged_.notify_one();
    freeChanged_.wait(lock, [this] { return queued_.empty() && !writing_; });
    return std::exchange(failed_, std::nullopt);
}

bool BackgroundWriter::writeChunk(Chunk& chunk) {
    bool ok = true;
    if (chunk.create) {
        fd_ = chunk.create();
        ok = fd_ >= 0;
    }
    // The bytes of a file that could not be created are dropped; its failure is reported.
    if (fd_ >= 0) ok = writeAll(fd_, {chunk.bytes.get(), chunk.size}) && ok;
    if (chunk.close && fd_ >= 0) {
        ok = ::close(fd_) == 0 && ok;
        fd_ = -1;
    }
    return ok;
}

void BackgroundWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        queuedChanged_.wait(lock, [this] { return stopping_ || !queued_.empty(); });
        if (queued_.empty()) return;
        Chunk chunk = std::move(queued_.front());
        queued_.pop_front();
        writing_ = true;
        lock.unlock();
        const bool ok = writeChunk(chunk);
        chunk.create = nullptr;
        chunk.close = false;
        chunk.size = 0;
        lock.lock();
        if (!ok && !failed_) failed_ = chunk.file;
        writing_ = false;
        free_.push_back(std::move(chunk));
        freeChanged_.notify_one();
    }
}

}  // namespace maintenance

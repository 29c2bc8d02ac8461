#pragma once
// Creates, writes and closes files on a second thread, so that the disk's share of a restore
// overlaps the decoding instead of adding to it. A few fixed buffers cycle between the two
// threads, so memory stays the same whatever the size of the files, and only the file being
// written is open at a time.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

namespace maintenance {

class BackgroundWriter {
  public:
    // Runs on the writer's thread; gives the descriptor of a file opened for writing, or -1.
    using Create = std::function<int()>;

    BackgroundWriter();
    // Writes and closes whatever is queued, then stops the thread.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Starts the file known to the caller as `file`, made by `create` before its first bytes
    // are written. Files are written one after another.
    void open(std::size_t file, Create create);
    // Space for `size` more bytes of the file last opened (at most a buffer's size), so that
    // they can be made in place; waits only while every buffer is full.
    std::span<std::uint8_t> room(std::size_t size);
    // The first `size` bytes of the space last given now belong to the file.
    void filled(std::size_t size);
    // The file last opened is closed once its last bytes are written.
    void close();
    // The first file whose creation, writing or closing failed since the last drain, if any.
    std::optional<std::size_t> failure();
    // Waits until everything queued is written and closed; gives the first file that failed
    // since the last drain.
    std::optional<std::size_t> drain();

  private:
    struct Chunk {
        std::size_t file = 0;
        Create create;
        std::unique_ptr<std::uint8_t[]> bytes;  // a buffer's size, filled up to `size`
        std::size_t size = 0;
        bool close = false;
    };

    void submit();
    void run();
    bool writeChunk(Chunk& chunk);

    std::mutex mutex_;
    std::condition_variable queuedChanged_;  // waited on by the writer
    std::condition_variable freeChanged_;    // waited on by the caller
    std::deque<Chunk> queued_;
    std::vector<Chunk> free_;
    Chunk filling_;
    bool writing_ = false;
    std::optional<std::size_t> failed_;
    bool stopping_ = false;
    // The writer thread's own: the descriptor of the file being written.
    int fd_ = -1;
    std::thread thread_;
};

}  // namespace maintenance

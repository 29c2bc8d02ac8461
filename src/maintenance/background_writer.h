#pragma once
// Writes and closes files on a second thread, so that the disk's share of a restore
// overlaps the decoding instead of adding to it. A few fixed buffers cycle between the two
// threads, so memory stays the same whatever the size of the files, and only the files
// those buffers belong to are open at a time.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

namespace maintenance {

class BackgroundWriter {
  public:
    BackgroundWriter();
    // Writes and closes whatever is queued, then stops the thread.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Queues `bytes` for the end of the open file `fd`, known to the caller as `file`; waits
    // only while every buffer is full. Files are written one after another.
    void write(int fd, std::size_t file, std::span<const std::uint8_t> bytes);
    // Hands `fd` over: it is closed once its last bytes are written.
    void close(int fd, std::size_t file);
    // Waits until everything queued is written and closed; gives the first file whose
    // writing or closing failed since the last drain.
    std::optional<std::size_t> drain();

  private:
    struct Chunk {
        int fd = -1;
        std::size_t file = 0;
        bool close = false;
        std::vector<std::uint8_t> bytes;
    };

    void submit();
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Chunk> queued_;
    std::vector<Chunk> free_;
    Chunk filling_;
    bool writing_ = false;
    std::optional<std::size_t> failed_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace maintenance

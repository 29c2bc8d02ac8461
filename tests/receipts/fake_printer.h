#pragma once
// A network receipt printer for tests: listens on 127.0.0.1 (a free port, or the one given)
// and keeps the bytes of each connection it is sent, as a printer on port 9100 takes a job.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace receiptstest {

class FakePrinter {
  public:
    explicit FakePrinter(int port = 0);
    ~FakePrinter();
    FakePrinter(const FakePrinter&) = delete;
    FakePrinter& operator=(const FakePrinter&) = delete;

    int port() const { return port_; }
    // The jobs received whole (the sender closed the connection), waiting up to a few seconds
    // for `count` of them.
    std::vector<std::string> jobs(std::size_t count = 1);

  private:
    void serve();

    int listener_ = -1;
    std::atomic<bool> stopping_{false};
    int port_ = 0;
    std::mutex mutex_;
    std::condition_variable received_;
    std::vector<std::string> jobs_;
    std::thread thread_;
};

// A port nothing listens on: taken from the system, then let go.
int closedPort();

}  // namespace receiptstest

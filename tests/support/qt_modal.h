#pragma once
// Driving real modal windows from a test: exec() only returns once the window closes, so
// the test's action must run from inside its event loop. A watchdog closes any modal left
// open too long, failing the test rather than hanging it.
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>

namespace testsupport {

// Runs `action` on the next modal widget to open, from within its event loop. Fails the
// test if none opens within `timeout`.
void onNextModal(std::function<void(QWidget&)> action,
                 std::chrono::milliseconds timeout = std::chrono::seconds(3));

// While alive, rejects any modal widget that stays open longer than `limit` and fails the
// running test. The test main keeps one alive for every test.
class ModalWatchdog {
  public:
    explicit ModalWatchdog(std::chrono::milliseconds limit = std::chrono::seconds(5));
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

  private:
    class Timer;
    std::unique_ptr<Timer> timer_;
};

}  // namespace testsupport

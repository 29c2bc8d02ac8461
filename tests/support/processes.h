#pragma once
// Other stations on the same data set (a data directory or a server), as real child processes.
#include <sys/types.h>

#include <functional>
#include <string>

#include "data/store/database.h"

namespace data {
class Tdm;
}

namespace testsupport {

// Runs `work` in a child process and returns its pid; the child exits with what `work`
// returns (99 when it throws, after printing why).
pid_t spawn(const std::function<int()>& work);
// Waits for the child; its exit code, or -1 when it did not exit normally.
int exitCodeOf(pid_t pid);

// Two stations doing `action` at the same moment, each a process with its own data module on
// `dataSet`; how many of them did it. A station refused (data::Refusal) or out of its lock wait
// (store::LockError) did not; any other ending fails the running test.
int stationsDoingAtOnce(const store::Location& dataSet, const std::function<void(data::Tdm&)>& action);

// Another station editing the last record of a table: the lock is held from construction
// until release() or destruction.
class LockHolder {
  public:
    LockHolder(const store::Location& dataSet, const std::string& component);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    void release();

  private:
    pid_t child_ = -1;
    int releaseFd_ = -1;
};

}  // namespace testsupport

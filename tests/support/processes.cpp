#include "support/processes.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

#include "data/dm.h"
#include "data/messages.h"
#include "data/refusal.h"
#include "data/store/error.h"

#include <gtest/gtest.h>

namespace testsupport {

pid_t spawn(const std::function<int()>& work) {
    pid_t pid = fork();
    if (pid == 0) {
        int code = 1;
        try {
            code = work();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "child %d: %s\n", getpid(), e.what());
            code = 99;
        }
        _exit(code);
    }
    return pid;
}

int exitCodeOf(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

class Quiet final : public data::Messages {
  public:
    void inform(const std::string&) override {}
};

enum StationEnd { Done = 0, Refused = 1, OutOfLockWait = 2 };

}  // namespace

int stationsDoingAtOnce(const store::Location& dataSet, const std::function<void(data::Tdm&)>& action) {
    const auto station = [&] {
        Quiet quiet;
        data::Tdm dm(dataSet, quiet);
        try {
            action(dm);
            return int{Done};
        } catch (const data::Refusal&) {
            return int{Refused};
        } catch (const store::LockError&) {
            return int{OutOfLockWait};
        }
    };
    const pid_t first = spawn(station);
    const pid_t second = spawn(station);
    int done = 0;
    for (const pid_t pid : {first, second}) {
        const int code = exitCodeOf(pid);
        if (code == Done)
            ++done;
        else if (code != Refused && code != OutOfLockWait)
            ADD_FAILURE() << "a station ended with code " << code;
    }
    return done;
}

LockHolder::LockHolder(const store::Location& dataSet, const std::string& component) {
    int ready[2];
    int releasePipe[2];
    if (pipe(ready) != 0 || pipe(releasePipe) != 0) throw std::runtime_error("pipe failed");
    child_ = spawn([&] {
        Quiet quiet;
        data::Tdm dm(dataSet, quiet);
        store::Table& table = dm.table(component);
        table.open();
        table.last();
        table.editExisting();
        char c = 1;
        if (write(ready[1], &c, 1) != 1) return 2;
        if (read(releasePipe[0], &c, 1) != 1) return 3;
        table.cancel();
        return 0;
    });
    close(ready[1]);
    close(releasePipe[0]);
    releaseFd_ = releasePipe[1];
    char c = 0;
    const bool holding = read(ready[0], &c, 1) == 1;
    close(ready[0]);
    if (!holding) {
        release();
        throw std::runtime_error("the other station could not lock " + component);
    }
}

LockHolder::~LockHolder() {
    release();
}

void LockHolder::release() {
    if (child_ < 0) return;
    char c = 1;
    if (write(releaseFd_, &c, 1) != 1) kill(child_, SIGKILL);
    close(releaseFd_);
    exitCodeOf(child_);
    child_ = -1;
}

}  // namespace testsupport

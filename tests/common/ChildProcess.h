// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace orbo {

struct ChildOutcome {
    bool exitedNormally = false;
    int signal = 0;  // the signal that ended it, if one did
    std::string output;
};

// Work run in a forked process, so that it may change its limits or user, or
// die, without touching the test; what it returns comes back as output.
class ChildProcess {
public:
    explicit ChildProcess(const std::function<std::string()>& work) {
        int channel[2];
        if (::pipe(channel) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(channel[0]);
            const std::string output = work();
            std::size_t done = 0;
            while (done < output.size()) {
                const ssize_t written = ::write(channel[1], output.data() + done, output.size() - done);
                if (written <= 0) ::_exit(3);
                done += static_cast<std::size_t>(written);
            }
            ::_exit(0);
        }
        ::close(channel[1]);
        output_ = channel[0];
    }
    ~ChildProcess() { finish(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the child to end.
    ChildOutcome finish() {
        ChildOutcome outcome;
        if (output_ >= 0) {
            char buffer[4096];
            for (ssize_t got; (got = ::read(output_, buffer, sizeof buffer)) > 0;)
                outcome.output.append(buffer, static_cast<std::size_t>(got));
            ::close(output_);
            output_ = -1;
        }
        int status = 0;
        if (pid_ > 0 && ::waitpid(pid_, &status, 0) == pid_) {
            outcome.exitedNormally = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        }
        pid_ = -1;
        return outcome;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

inline ChildOutcome runInChild(const std::function<std::string()>& work) { return ChildProcess(work).finish(); }

}  // namespace orbo

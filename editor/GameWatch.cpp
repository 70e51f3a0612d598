// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/GameWatch.h"

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace orbo {

void GameWatch::watch(pid_t game) {
    process_ = UniqueFd(static_cast<int>(::syscall(SYS_pidfd_open, game, 0)));
    // A game already gone leaves nothing to watch.
    game_ = !process_.valid() && errno != ESRCH ? game : 0;
}

bool GameWatch::running() const {
    if (process_.valid()) {
        // The descriptor turns readable when the process ends.
        pollfd ended{process_.get(), POLLIN, 0};
        return ::poll(&ended, 1, 0) == 0;
    }
    return game_ > 0 && (::kill(game_, 0) == 0 || errno == EPERM);
}

}  // namespace orbo

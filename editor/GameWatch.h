// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include "common/UniqueFd.h"

namespace orbo {

// Whether the game last started from the editor still runs. The game is no
// child of the editor (it outlives it), so it is watched through a descriptor
// of its process, which cannot come to name another process later.
class GameWatch {
public:
    void watch(pid_t game);
    bool running() const;

private:
    UniqueFd process_;
    // Only where the system has no process descriptors.
    pid_t game_ = 0;
};

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace orbo::sdl {

// One user of SDL subsystems (video, audio). SDL counts its users, so the
// subsystems start with the first lease and stop with the last: nothing of SDL
// runs while the menu alone is open, and a machine without a display or a sound
// card only fails the lease that needs it.
class SubsystemLease {
public:
    explicit SubsystemLease(std::uint32_t flags);
    ~SubsystemLease();
    SubsystemLease(const SubsystemLease&) = delete;
    SubsystemLease& operator=(const SubsystemLease&) = delete;

    bool ok() const { return ok_; }

private:
    std::uint32_t flags_;
    bool ok_;
};

// Settings every start of SDL needs. SDL's own signal handlers would turn SIGINT
// and SIGTERM into a quit event that a running session ignores.
void prepareSdl();

}  // namespace orbo::sdl

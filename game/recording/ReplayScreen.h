// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "game/core/Platform.h"

namespace orbo::recording {

// Thrown when the viewer stops a replay: Esc, or the window's close box.
struct ReplayStopped {};

// What a replay on the real screen adds to the recorded machine: the recorded
// pace, which the viewer halves with - and doubles with + (x1/2 to x8), Esc to
// stop, and the mark that tells a replay from play. The viewer's keys are read
// from the real keyboard and never reach the replayed game.
class ReplayScreen {
public:
    explicit ReplayScreen(KeyboardDevice& viewerKeys) : viewerKeys_(viewerKeys) {}

    // After the window's messages of a pass: the viewer's keys and close box.
    // Throws ReplayStopped.
    void readViewer(const WindowEvents& window);

    // A session starts: the replay goes on from its first tick count.
    void newSession();
    // The recorded game read this tick count, or waited this long: the replay
    // waits until the wall clock has caught up at the pace.
    void reachTick(std::uint32_t tick);
    void waited(std::uint32_t milliseconds);
    // Too far behind to show this frame: it is left out, as the screen could not keep up.
    bool behind() const;
    // After a wait for the viewer (a message box): the pace goes on from now.
    void resume();

    // "Повтор", and the pace when it is not the recorded one.
    std::string mark() const;

private:
    using Clock = std::chrono::steady_clock;

    Clock::time_point due() const;
    void setPace(int step);

    KeyboardDevice& viewerKeys_;
    KeyState lastKeys_{};
    // The pace is 2^(step - 1): x1/2 to x8.
    int step_ = 1;
    std::optional<std::uint32_t> lastTick_;
    // Milliseconds of recorded time since the first tick, as far as the replay has come.
    std::uint64_t readingMs_ = 0;
    std::uint64_t reachedMs_ = 0;
    std::uint64_t anchorMs_ = 0;
    Clock::time_point anchorWall_ = Clock::now();
};

}  // namespace orbo::recording

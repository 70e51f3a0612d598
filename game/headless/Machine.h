// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <utility>

#include "game/core/Platform.h"
#include "game/headless/BlindDisplay.h"
#include "game/headless/MessageLog.h"
#include "game/headless/RecordingSound.h"
#include "game/headless/ScriptedKeyboard.h"
#include "game/headless/SeededRandom.h"
#include "game/headless/SilentMusic.h"
#include "game/headless/VirtualClock.h"

namespace orbo::headless {

struct MachineOptions {
    std::uint32_t firstTick = VirtualClock::FirstTick;
    std::uint32_t seed = 1;
    // Virtual milliseconds a flip waits for the display.
    std::uint32_t frameMs = 16;
};

// Every part of a headless machine for a program folder, wired into one
// Platform. Machine is the tools' own; a test puts in parts that act out
// failures and keep more of what happened, built on these.
template <typename RandomSource, typename Keys, typename Screen, typename Speaker, typename Tune>
struct BasicMachine {
    explicit BasicMachine(std::filesystem::path programDir, const MachineOptions& options = {})
        : clock(options.firstTick),
          random(options.seed),
          display(clock, options.frameMs),
          platform{std::move(programDir), clock, random, keyboard, display, sound, music, messages, events} {}
    BasicMachine(const BasicMachine&) = delete;
    BasicMachine& operator=(const BasicMachine&) = delete;

    // The same machine with another screen, or another sound device, in place of its own.
    Platform platformWith(Display* screen, SoundDevice* speaker = nullptr) {
        return {platform.programDir,        clock, random,   keyboard, screen ? *screen : display,
                speaker ? *speaker : sound, music, messages, events,   platform.levels};
    }

    VirtualClock clock;
    RandomSource random;
    Keys keyboard;
    Screen display;
    Speaker sound;
    Tune music;
    MessageLog messages;
    HookedEventPump events;
    Platform platform;
};

using Machine = BasicMachine<SeededRandom, ScriptedKeyboard, BlindDisplay, RecordingSound, SilentMusic>;

}  // namespace orbo::headless

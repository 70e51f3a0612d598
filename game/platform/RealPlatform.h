// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>

#include "game/core/Platform.h"
#include "game/platform/SdlEventPump.h"
#include "game/platform/SdlKeyboard.h"
#include "game/platform/SdlMessageBox.h"
#include "game/platform/SdlMusic.h"
#include "game/platform/SdlSound.h"
#include "game/platform/SystemClock.h"
#include "game/platform/TimeOfDayRandom.h"
#include "game/platform/WindowDisplay.h"

namespace orbo::sdl {

// The machine the game really runs on. Nothing of SDL starts here: the screen
// and the sound open with each session, so the program starts without a display
// or a sound card and the menu runs without SDL.
class RealPlatform {
public:
    // fallbackMessages shows the messages SDL cannot; without it they go to standard error only.
    RealPlatform(std::filesystem::path programDir, std::function<void()> pumpWindowMessages,
                 SdlMessageBox::Fallback fallbackMessages = {});
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

    Platform& platform() { return platform_; }
    // The play screen, for the choice of full screen or a window.
    WindowDisplay& screen() { return display_; }

private:
    SystemClock clock_;
    TimeOfDayRandom random_;
    SdlKeyboard keyboard_;
    WindowDisplay display_;
    SdlSound sound_;
    SdlMusic music_;
    SdlMessageBox messages_;
    SdlEventPump events_;
    Platform platform_;
};

}  // namespace orbo::sdl

#pragma once

#include <filesystem>
#include <functional>

#include "game/core/Platform.h"
#include "game/presentation/sdl/SdlEventPump.h"
#include "game/presentation/sdl/SdlKeyboard.h"
#include "game/presentation/sdl/SdlMessageBox.h"
#include "game/presentation/sdl/SdlMusic.h"
#include "game/presentation/sdl/SdlSound.h"
#include "game/presentation/sdl/SystemClock.h"
#include "game/presentation/sdl/TimeOfDayRandom.h"
#include "game/presentation/sdl/WindowDisplay.h"

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

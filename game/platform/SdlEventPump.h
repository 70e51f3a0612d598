// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL_events.h>
#include <functional>

#include "game/core/Platform.h"
#include "game/platform/SdlKeyboard.h"
#include "game/platform/WindowDisplay.h"

namespace orbo::sdl {

// Lets SDL's events through, which keeps its keyboard and pad state fresh, tells
// the keyboard of every key that went down and of pads coming and going, switches
// the play screen between full screen and a window (Alt+Enter, F11), and reports
// the window's close requests and lost focus; then lets the window system's own
// messages through.
class SdlEventPump : public EventPump {
public:
    explicit SdlEventPump(std::function<void()> pumpWindowMessages, SdlKeyboard* keyboard = nullptr,
                          WindowDisplay* display = nullptr)
        : pumpWindowMessages_(std::move(pumpWindowMessages)), keyboard_(keyboard), display_(display) {}
    WindowEvents pumpMessages() override;

private:
    void handle(const SDL_Event& event, WindowEvents& window);

    std::function<void()> pumpWindowMessages_;
    SdlKeyboard* keyboard_;
    WindowDisplay* display_;
};

}  // namespace orbo::sdl

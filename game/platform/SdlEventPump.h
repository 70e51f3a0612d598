#pragma once

#include <functional>

#include "game/core/Platform.h"
#include "game/platform/SdlKeyboard.h"

namespace orbo::sdl {

// Lets SDL's events through, which keeps its keyboard state fresh and tells the
// keyboard of every key that went down, then the window system's own. A request
// to quit is only a message here: the game ends a session by its own rules.
class SdlEventPump : public EventPump {
public:
    explicit SdlEventPump(std::function<void()> pumpWindowMessages, SdlKeyboard* keyboard = nullptr)
        : pumpWindowMessages_(std::move(pumpWindowMessages)), keyboard_(keyboard) {}
    void pumpMessages() override;

private:
    std::function<void()> pumpWindowMessages_;
    SdlKeyboard* keyboard_;
};

}  // namespace orbo::sdl

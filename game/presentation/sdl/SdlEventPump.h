#pragma once

#include <functional>

#include "game/core/Platform.h"

namespace orbo::sdl {

// Lets SDL's events through, which keeps its keyboard state fresh, then the
// window system's own. A request to quit is only a message here: the game ends a
// session by its own rules.
class SdlEventPump : public EventPump {
public:
    explicit SdlEventPump(std::function<void()> pumpWindowMessages) : pumpWindowMessages_(std::move(pumpWindowMessages)) {}
    void pumpMessages() override;

private:
    std::function<void()> pumpWindowMessages_;
};

}  // namespace orbo::sdl

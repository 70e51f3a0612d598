// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/Platform.h"

namespace orbo::sdl {

class SystemClock : public TickClock {
public:
    std::uint32_t tickCount() override;
    void sleep(std::uint32_t milliseconds) override;
    float secondsSinceMidnight() override;
};

}  // namespace orbo::sdl

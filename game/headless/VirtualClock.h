// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "game/core/Platform.h"

namespace orbo::headless {

// Virtual time: it moves only when the game waits or a driver moves it.
class VirtualClock : public TickClock {
public:
    static constexpr std::uint32_t FirstTick = 1000000;

    explicit VirtualClock(std::uint32_t firstTick = FirstTick) : tick_(firstTick), tickAtBase_(firstTick) {}
    std::uint32_t tickCount() override { return tick_; }
    void sleep(std::uint32_t milliseconds) override { tick_ += milliseconds; }
    float secondsSinceMidnight() override;

    void advance(std::uint32_t milliseconds) { tick_ += milliseconds; }
    void setTick(std::uint32_t tick) { tick_ = tick; }
    // Seconds since midnight at the first tick; later readings follow the ticks.
    void setTimeOfDay(double seconds) { timeOfDayBase_ = seconds; }

private:
    std::uint32_t tick_;
    std::uint32_t tickAtBase_;
    double timeOfDayBase_ = 12 * 3600.0;
};

}  // namespace orbo::headless

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/headless/VirtualClock.h"

#include <cmath>

namespace orbo::headless {

float VirtualClock::secondsSinceMidnight() {
    constexpr double SecondsPerDay = 86400.0;
    const double seconds = timeOfDayBase_ + elapsedMs(tick_, tickAtBase_) / 1000.0;
    return static_cast<float>(std::fmod(seconds, SecondsPerDay));
}

}  // namespace orbo::headless

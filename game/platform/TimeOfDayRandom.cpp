// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/TimeOfDayRandom.h"

#include <chrono>

namespace orbo::sdl {

void TimeOfDayRandom::seedFromTimeOfDay() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seed = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    draws_ = SeededDraws({DrawKind::Spaced24, seed});
}

}  // namespace orbo::sdl

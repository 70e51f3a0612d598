#include "game/platform/TimeOfDayRandom.h"

#include <chrono>

namespace orbo::sdl {

void TimeOfDayRandom::seedFromTimeOfDay() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

float TimeOfDayRandom::next() {
    // 24 bits fill a float's mantissa exactly, so the value cannot round up to 1,
    // as a float made from all 32 bits can.
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

}  // namespace orbo::sdl

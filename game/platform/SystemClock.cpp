// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/SystemClock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace orbo::sdl {

std::uint32_t SystemClock::tickCount() {
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    // The low 32 bits: the counter wraps as the game expects it to.
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

void SystemClock::sleep(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

float SystemClock::secondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const double fraction = duration<double>(now - system_clock::from_time_t(seconds)).count();
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + fraction);
}

}  // namespace orbo::sdl

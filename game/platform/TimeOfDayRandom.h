#pragma once

#include <random>

#include "game/core/Platform.h"

namespace orbo::sdl {

class TimeOfDayRandom : public Random {
public:
    void seedFromTimeOfDay() override;
    // 2^24 evenly spaced values from 0 up to, never including, 1.
    float next() override;

private:
    std::mt19937 engine_;
};

}  // namespace orbo::sdl

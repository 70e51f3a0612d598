// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/Platform.h"

namespace orbo::sdl {

// The game's own draws, seeded from the time of day at every session start.
class TimeOfDayRandom : public Random {
public:
    void seedFromTimeOfDay() override;
    float next() override { return draws_.next(); }
    DrawSeed drawSeed() const override { return draws_.seed(); }

private:
    SeededDraws draws_;
};

}  // namespace orbo::sdl

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "game/core/Platform.h"

namespace orbo::headless {

// The same draws in every session for the same seed: "seeding from the time of
// day" starts the seed's sequence again.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint32_t seed = 1) : draws_({DrawKind::StandardUniform, seed}) {}
    void seedFromTimeOfDay() override { draws_ = SeededDraws(draws_.seed()); }
    float next() override { return draws_.next(); }
    DrawSeed drawSeed() const override { return draws_.seed(); }

private:
    SeededDraws draws_;
};

}  // namespace orbo::headless

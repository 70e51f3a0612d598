#pragma once

#include <cstdint>
#include <random>

#include "game/core/Platform.h"

namespace orbo::headless {

// The same draws in every session for the same seed: "seeding from the time of
// day" starts the seed's sequence again.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint32_t seed = 1) : seed_(seed), engine_(seed) {}
    void seedFromTimeOfDay() override { engine_.seed(seed_); }
    float next() override { return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_); }

private:
    std::uint32_t seed_;
    std::mt19937 engine_;
};

}  // namespace orbo::headless

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace orbo {

// The sequences of random numbers a game is played with, each fixed by its seed.
enum class DrawKind : std::uint8_t {
    // 2^24 evenly spaced values from 0 up to, never including, 1: the real game's.
    Spaced24 = 1,
    // The standard library's uniform floats: the headless machine's.
    StandardUniform = 2,
};

struct DrawSeed {
    DrawKind kind = DrawKind::Spaced24;
    // The Mersenne twister's own default seed, before any seeding.
    std::uint32_t seed = std::mt19937::default_seed;
};

// The draws of one kind from one seed, in [0, 1).
class SeededDraws {
public:
    explicit SeededDraws(DrawSeed seed = {}) : seed_(seed), engine_(seed.seed) {}
    float next() {
        if (seed_.kind == DrawKind::StandardUniform) return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
        // 24 bits fill a float's mantissa exactly, so the value cannot round up to 1,
        // as a float made from all 32 bits can.
        return static_cast<float>(engine_() >> 8) * 0x1p-24f;
    }
    DrawSeed seed() const { return seed_; }

private:
    DrawSeed seed_;
    std::mt19937 engine_;
};

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <span>
#include <vector>

// How loud a short mono sound is heard, in LUFS (full-scale samples are +-1).
// The sound is weighted the way broadcast loudness meters weigh it (a shelf
// lifting everything above about 1.7 kHz by 4 dB, a high-pass near 38 Hz), its
// mean square taken in blocks overlapping by three quarters, and blocks below
// -70 LUFS, then those more than 10 LU below the mean of the rest, left out.
// The blocks are 100 ms rather than a meter's 400 ms: our effects last well
// under a second and the shortest must still fill several blocks.
namespace orbo::loudness {

constexpr double BlockSeconds = 0.1;
constexpr double Silent = -std::numeric_limits<double>::infinity();

struct Biquad {
    double b0, b1, b2, a1, a2;

    std::vector<double> apply(std::span<const double> input) const {
        std::vector<double> out;
        out.reserve(input.size());
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (const double x : input) {
            const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            out.push_back(y);
        }
        return out;
    }
};

// The two weighting filters, made for any sample rate from their analogue
// corner frequencies, gains and Q by the bilinear transform.
inline std::vector<double> kWeighted(std::span<const double> samples, int sampleRate) {
    const auto prewarp = [sampleRate](double hz) { return std::tan(std::numbers::pi * hz / sampleRate); };
    double k = prewarp(1681.974450955533);
    double q = 0.7071752369554196;
    const double shelfGain = std::pow(10.0, 3.999843853973347 / 20);
    const double bandGain = std::pow(shelfGain, 0.4996667741545416);
    double norm = 1 + k / q + k * k;
    const Biquad shelf{(shelfGain + bandGain * k / q + k * k) / norm, 2 * (k * k - shelfGain) / norm,
                       (shelfGain - bandGain * k / q + k * k) / norm, 2 * (k * k - 1) / norm,
                       (1 - k / q + k * k) / norm};
    k = prewarp(38.13547087602444);
    q = 0.5003270373238773;
    norm = 1 + k / q + k * k;
    const Biquad highPass{1, -2, 1, 2 * (k * k - 1) / norm, (1 - k / q + k * k) / norm};
    return highPass.apply(shelf.apply(samples));
}

inline double lufs(double meanSquare) { return meanSquare > 0 ? -0.691 + 10 * std::log10(meanSquare) : Silent; }

inline double integrated(std::span<const double> samples, int sampleRate) {
    const std::vector<double> weighted = kWeighted(samples, sampleRate);
    const std::size_t block = std::min(weighted.size(), static_cast<std::size_t>(BlockSeconds * sampleRate));
    if (block == 0) return Silent;
    const std::size_t hop = std::max<std::size_t>(1, block / 4);
    std::vector<double> blocks;
    for (std::size_t start = 0; start + block <= weighted.size(); start += hop) {
        double sum = 0;
        for (std::size_t i = start; i < start + block; ++i) sum += weighted[i] * weighted[i];
        blocks.push_back(sum / static_cast<double>(block));
    }
    const auto gatedMean = [&blocks](double gate) {
        double sum = 0;
        std::size_t count = 0;
        for (const double meanSquare : blocks)
            if (lufs(meanSquare) > gate) {
                sum += meanSquare;
                ++count;
            }
        return count > 0 ? sum / static_cast<double>(count) : 0.0;
    };
    const double ungated = lufs(gatedMean(-70));
    return ungated == Silent ? Silent : lufs(gatedMean(ungated - 10));
}

}  // namespace orbo::loudness

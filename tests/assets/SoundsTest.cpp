#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/session/core/Effects.h"
#include "tests/assets/AssetFiles.h"

namespace orbo {
namespace {

struct Wave {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;  // interleaved
    double seconds() const { return static_cast<double>(samples.size()) / channels / sampleRate; }
};

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | b[at + static_cast<std::size_t>(i)];
    return value;
}

// Reads a RIFF wave file chunk by chunk; fails the test on any malformed part.
Wave readWave(const std::filesystem::path& file) {
    const std::vector<unsigned char> b = assets_test::readBytes(file);
    Wave wave;
    EXPECT_GE(b.size(), 44u);
    if (b.size() < 12) return wave;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    std::size_t at = 12;
    bool haveFormat = false;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
        const std::uint32_t size = le(b, at + 4, 4);
        EXPECT_LE(at + 8 + size, b.size()) << id;
        if (at + 8 + size > b.size()) break;
        if (id == "fmt ") {
            wave.format = static_cast<int>(le(b, at + 8, 2));
            wave.channels = static_cast<int>(le(b, at + 10, 2));
            wave.sampleRate = static_cast<int>(le(b, at + 12, 4));
            wave.bits = static_cast<int>(le(b, at + 22, 2));
            EXPECT_EQ(le(b, at + 16, 4), static_cast<std::uint32_t>(wave.sampleRate * wave.channels * wave.bits / 8));
            haveFormat = true;
        } else if (id == "data") {
            EXPECT_TRUE(haveFormat);
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

int peakOf(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (const std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

TEST(Sounds, effectsAreShortCleanSixteenBitPcm) {
    for (const char* name : EffectFiles) {
        const Wave wave = readWave(assets_test::resolved(name));
        EXPECT_EQ(wave.format, 1) << name;
        EXPECT_EQ(wave.bits, 16) << name;
        ASSERT_GE(wave.channels, 1) << name;
        ASSERT_GT(wave.sampleRate, 8000) << name;
        EXPECT_GE(wave.seconds(), 0.1) << name;
        EXPECT_LE(wave.seconds(), 1.0) << name;
        // Clipped samples sit at full scale; a clean effect keeps its peak below it.
        EXPECT_LT(peakOf(wave.samples), 32000) << name;
        EXPECT_GT(peakOf(wave.samples), 8000) << name;
        // No click: the effect starts and ends at silence.
        ASSERT_FALSE(wave.samples.empty());
        EXPECT_LE(std::abs(wave.samples.front()), 64) << name;
        EXPECT_LE(std::abs(wave.samples.back()), 64) << name;
    }
}

TEST(Sounds, effectsPeakAtTheSameLevel) {
    std::vector<int> peaks;
    for (const char* name : EffectFiles) peaks.push_back(peakOf(readWave(assets_test::resolved(name)).samples));
    const auto [low, high] = std::minmax_element(peaks.begin(), peaks.end());
    EXPECT_LE(*high - *low, *high / 50);
}

TEST(Sounds, effectsAreSevenDifferentSounds) {
    std::vector<std::vector<std::int16_t>> all;
    for (const char* name : EffectFiles) all.push_back(readWave(assets_test::resolved(name)).samples);
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]) << EffectFiles[i] << " " << EffectFiles[j];
}

}  // namespace
}  // namespace orbo

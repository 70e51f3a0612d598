// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <utility>

#include "common/ProgramFiles.h"
#include "common/formats/WaveCheck.h"
#include "tests/assets/AssetFiles.h"
#include "tests/support/Wave.h"
#include "tools/assetgen/Loudness.h"

namespace orbo {
namespace {

// The sample value of -1 dBFS, the ceiling every effect keeps below.
const int PeakCeiling = static_cast<int>(32768 * std::pow(10.0, -1.0 / 20));

// An effect file of the program folder: a wave the game accepts, read by SDL,
// which must find 16-bit PCM in it.
Wave readEffect(const std::filesystem::path& name) {
    const auto file = assets_test::resolved(name);
    EXPECT_TRUE(isPlayableWave(assets_test::readBytes(file))) << name;
    SDL_AudioSpec waveFormat{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(file.c_str(), &waveFormat, &buffer, &length)) {
        ADD_FAILURE() << name << ": " << SDL_GetError();
        return {};
    }
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> samples(buffer, SDL_FreeWAV);
    EXPECT_EQ(waveFormat.format, AUDIO_S16LSB) << name;
    const auto* first = reinterpret_cast<const std::int16_t*>(samples.get());
    return {waveFormat.channels, waveFormat.freq, std::vector<std::int16_t>(first, first + length / 2)};
}

double meanSquareDb(const std::vector<double>& signal, std::size_t start, std::size_t length) {
    double sum = 0;
    for (std::size_t i = start; i < start + length; ++i) sum += signal[i] * signal[i];
    return 10 * std::log10(std::max(sum / static_cast<double>(length), 1e-20));
}

// Each effect is short 16-bit PCM that plays without a click at either end and
// peaks at or below -1 dBFS, clear of clipping; no two are the same. Heard in
// play one after another, none drowns another out: their loudness lies within
// 3 dB, none too quiet to hear. Each dies away to silence rather than being cut
// off while it still sounds: its last 20 ms lie 40 dB below its loudest 20 ms.
TEST(Sounds, effectsAreSevenShortCleanEquallyLoudSoundsThatDieAway) {
    std::set<std::vector<std::int16_t>> distinct;
    double loudest = loudness::Silent;
    double quietest = std::numeric_limits<double>::infinity();
    for (const auto& name : program_files::effectFiles()) {
        const Wave wave = readEffect(name);
        const std::size_t window = static_cast<std::size_t>(wave.sampleRate / 50);
        ASSERT_GT(wave.samples.size(), 2 * window) << name;
        EXPECT_TRUE(wave.seconds() >= 0.1 && wave.seconds() <= 1.0) << name << " lasts " << wave.seconds() << " s";
        int peak = 0;
        for (const std::int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LE(peak, PeakCeiling) << name;
        EXPECT_LE(std::abs(wave.samples.front()), 64) << name;
        EXPECT_LE(std::abs(wave.samples.back()), 64) << name;
        distinct.insert(wave.samples);

        std::vector<double> signal;
        for (const std::int16_t s : wave.samples) signal.push_back(s / 32768.0);
        const double level = loudness::integrated(signal, wave.sampleRate);
        EXPECT_GT(level, -24.0) << name;
        loudest = std::max(loudest, level);
        quietest = std::min(quietest, level);
        double loudestWindow = loudness::Silent;
        for (std::size_t at = 0; at + window <= signal.size(); at += window / 2)
            loudestWindow = std::max(loudestWindow, meanSquareDb(signal, at, window));
        EXPECT_LE(meanSquareDb(signal, signal.size() - window, window) - loudestWindow, -40.0)
            << name << " still sounds at its end";
    }
    EXPECT_EQ(distinct.size(), program_files::EffectCount);
    EXPECT_LE(loudest - quietest, 3.0) << "from " << quietest << " to " << loudest << " LUFS";
}

std::vector<double> tone(double hz, double amplitude, double seconds, int sampleRate) {
    std::vector<double> signal(static_cast<std::size_t>(seconds * sampleRate));
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] = amplitude * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / sampleRate);
    return signal;
}

// The meter the effects are levelled by reads a full-scale 1 kHz tone at -3.01
// LUFS, as broadcast meters are calibrated, at any sample rate; it counts deep
// rumble far less and bright sound a little more, and silence around a sound
// does not make the sound quieter.
TEST(Sounds, loudnessIsWeightedAndGatedAsBroadcastMetersMeasureIt) {
    for (const int rate : {22050, 48000}) {
        EXPECT_NEAR(loudness::integrated(tone(1000, 1.0, 0.5, rate), rate), -3.01, 0.1) << rate;
        EXPECT_NEAR(loudness::integrated(tone(1000, 0.1, 0.5, rate), rate), -23.01, 0.1) << rate;
    }
    const auto level = [](double hz) { return loudness::integrated(tone(hz, 0.5, 0.5, 22050), 22050); };
    EXPECT_LT(level(20) - level(1000), -10.0);
    EXPECT_NEAR(level(5000) - level(1000), 3.3, 1.0);

    std::vector<double> withSilence = tone(1000, 0.5, 0.3, 22050);
    withSilence.resize(withSilence.size() + 11025, 0.0);
    EXPECT_NEAR(loudness::integrated(withSilence, 22050), level(1000), 1.0);
    EXPECT_EQ(loudness::integrated(std::vector<double>(22050, 0.0), 22050), loudness::Silent);
}

struct Note {
    std::uint32_t tick;
    int channel;  // counted from 0
    int key;
    bool on;
};

struct Tune {
    std::uint32_t format = 0;
    std::uint32_t tracks = 0;
    std::uint32_t division = 0;
    std::map<std::uint32_t, std::uint32_t> tempo{{0, 500000}};  // microseconds a quarter note, from a tick on
    std::vector<Note> notes;
    std::uint32_t end = 0;  // the tick of the last event
};

// The game's tune, read as the standard MIDI file the tune check finds it to be:
// tracks of delta-timed events with running status.
Tune readTune() {
    const std::vector<unsigned char> b = assets_test::readBytes(assets_test::resolved(program_files::tuneFile()));
    std::size_t at = 8;  // past the header chunk's name and length
    const auto number = [&](int bytes) {
        std::uint32_t value = 0;
        while (bytes-- > 0) value = value << 8 | b.at(at++);
        return value;
    };
    const auto varLen = [&] {
        std::uint32_t value = 0;
        std::uint32_t c = 0x80;
        while (c & 0x80) {
            c = b.at(at++);
            value = value << 7 | (c & 0x7F);
        }
        return value;
    };
    Tune tune;
    tune.format = number(2);
    tune.tracks = number(2);
    tune.division = number(2);
    for (std::uint32_t track = 0; track < tune.tracks; ++track) {
        at += 4;
        const std::size_t end = number(4) + at;
        std::uint32_t tick = 0;
        int running = 0;
        while (at < end) {
            tick += varLen();
            const int status = b.at(at) < 0x80 ? running : b.at(at++);
            if (status == 0xFF) {
                const int type = b.at(at++);
                const std::uint32_t size = varLen();
                if (type == 0x51)
                    tune.tempo[tick] = number(3);
                else
                    at += size;
            } else if (status == 0xF0 || status == 0xF7) {
                at += varLen();
            } else {
                running = status;
                const int kind = status & 0xF0;
                const int key = b.at(at++);
                const int velocity = kind == 0xC0 || kind == 0xD0 ? 0 : b.at(at++);
                if (kind == 0x80 || kind == 0x90)
                    tune.notes.push_back({tick, status & 0x0F, key, kind == 0x90 && velocity > 0});
            }
        }
        tune.end = std::max(tune.end, tick);
    }
    return tune;
}

// Seconds from the start to a tick, following every tempo change.
double secondsAt(const Tune& tune, std::uint32_t tick) {
    double seconds = 0;
    for (auto it = tune.tempo.begin(); it != tune.tempo.end() && it->first < tick; ++it) {
        const std::uint32_t until = std::next(it) == tune.tempo.end() ? tick : std::min(tick, std::next(it)->first);
        seconds += (until - it->first) * (it->second / 1e6) / tune.division;
    }
    return seconds;
}

TEST(Tune, isAMinuteOfSeveralTracksWithDrumsOnChannelTenAndEveryNoteEndsBeforeTheTuneDoes) {
    const Tune tune = readTune();
    EXPECT_EQ(tune.format, 1u);
    EXPECT_GT(tune.tracks, 1u);
    EXPECT_GE(secondsAt(tune, tune.end), 60.0);
    EXPECT_TRUE(
        std::any_of(tune.notes.begin(), tune.notes.end(), [](const Note& n) { return n.on && n.channel == 9; }));
    // The game restarts the tune when it ends; a note still sounding then would hang.
    std::map<std::pair<int, int>, int> sounding;
    for (const Note& note : tune.notes) sounding[{note.channel, note.key}] += note.on ? 1 : -1;
    ASSERT_FALSE(sounding.empty());
    for (const auto& [note, count] : sounding)
        EXPECT_EQ(count, 0) << "channel " << note.first << " key " << note.second;
}

}  // namespace
}  // namespace orbo

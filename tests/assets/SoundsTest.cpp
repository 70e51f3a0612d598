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
#include "tests/assets/AssetFiles.h"
#include "tests/support/Wave.h"
#include "tools/assetgen/Loudness.h"

namespace orbo {
namespace {

// The sample value of -1 dBFS, the ceiling every effect keeps below.
const int PeakCeiling = static_cast<int>(32768 * std::pow(10.0, -1.0 / 20));

// An effect file of the program folder, which must be 16-bit PCM with every chunk inside the file.
Wave readEffect(const std::filesystem::path& name) {
    const std::vector<unsigned char> bytes = assets_test::readBytes(assets_test::resolved(name));
    WaveRead read = readWave(bytes);
    EXPECT_EQ(read.fault, "") << name;
    return std::move(read.wave);
}

// Each effect is short 16-bit PCM that plays without a click at either end and
// peaks at or below -1 dBFS, clear of clipping; no two are the same.
TEST(Sounds, effectsAreSevenShortCleanSixteenBitSounds) {
    std::set<std::vector<std::int16_t>> distinct;
    for (const auto& name : program_files::effectFiles()) {
        const Wave wave = readEffect(name);
        ASSERT_FALSE(wave.samples.empty()) << name;
        EXPECT_TRUE(wave.seconds() >= 0.1 && wave.seconds() <= 1.0) << name << " lasts " << wave.seconds() << " s";
        int peak = 0;
        for (const std::int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LE(peak, PeakCeiling) << name;
        EXPECT_LE(std::abs(wave.samples.front()), 64) << name;
        EXPECT_LE(std::abs(wave.samples.back()), 64) << name;
        distinct.insert(wave.samples);
    }
    EXPECT_EQ(distinct.size(), program_files::EffectCount);
}

std::vector<double> fullScale(const std::vector<std::int16_t>& samples) {
    std::vector<double> signal;
    signal.reserve(samples.size());
    for (const std::int16_t s : samples) signal.push_back(s / 32768.0);
    return signal;
}

double meanSquareDb(const std::vector<double>& signal, std::size_t start, std::size_t length) {
    double sum = 0;
    for (std::size_t i = start; i < start + length; ++i) sum += signal[i] * signal[i];
    return 10 * std::log10(std::max(sum / static_cast<double>(length), 1e-20));
}

// Heard in play one after another, no effect drowns another out: their loudness
// lies within 3 dB, none too quiet to hear. Each dies away to silence rather
// than being cut off while it still sounds: its last 20 ms lie 40 dB below its
// loudest 20 ms.
TEST(Sounds, effectsAreEquallyLoudAndDieAwayToSilence) {
    double loudest = loudness::Silent;
    double quietest = std::numeric_limits<double>::infinity();
    for (const auto& name : program_files::effectFiles()) {
        const Wave wave = readEffect(name);
        const std::size_t window = static_cast<std::size_t>(wave.sampleRate / 50);
        ASSERT_GT(wave.samples.size(), 2 * window) << name;
        const std::vector<double> signal = fullScale(wave.samples);
        const double level = loudness::integrated(signal, wave.sampleRate);
        EXPECT_GT(level, -24.0) << name;
        loudest = std::max(loudest, level);
        quietest = std::min(quietest, level);

        double loudestWindow = loudness::Silent;
        for (std::size_t at = 0; at + window <= signal.size(); at += window / 2)
            loudestWindow = std::max(loudestWindow, meanSquareDb(signal, at, window));
        const double end = meanSquareDb(signal, signal.size() - window, window);
        EXPECT_LE(end - loudestWindow, -40.0) << name << " still sounds at its end";
    }
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

struct Event {
    std::uint32_t tick;
    int status;  // 0xFF for meta events
    int a;       // the meta type, or the first data byte
    int b;       // the second data byte; of a tempo meta event, microseconds a quarter note
};

struct Tune {
    int format = -1;
    int division = 0;
    std::uint32_t declaredTracks = 0;
    std::uint32_t tracks = 0;  // read to their end event, which closes the chunk
    std::vector<Event> events;
};

// Reads the tune as a standard MIDI file: the header, then track chunks of
// delta-timed events with running status. A file cut short throws.
Tune readTune() {
    const std::vector<unsigned char> b = assets_test::readBytes(assets_test::resolved(program_files::tuneFile()));
    std::size_t at = 0;
    const auto number = [&](int bytes) {
        std::uint32_t value = 0;
        while (bytes-- > 0) value = value << 8 | b.at(at++);
        return value;
    };
    const auto varLen = [&] {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t c = b.at(at++);
            value = value << 7 | (c & 0x7F);
            if (c < 0x80) break;
        }
        return value;
    };
    const auto chunkIs = [&](const char* id) {
        return number(4) == static_cast<std::uint32_t>(id[0] << 24 | id[1] << 16 | id[2] << 8 | id[3]);
    };
    Tune tune;
    if (!chunkIs("MThd") || number(4) != 6) return tune;
    tune.format = static_cast<int>(number(2));
    tune.declaredTracks = number(2);
    tune.division = static_cast<int>(number(2));
    for (std::uint32_t t = 0; t < tune.declaredTracks && chunkIs("MTrk"); ++t) {
        const std::uint32_t length = number(4);
        const std::size_t end = at + length;
        std::uint32_t tick = 0;
        int running = 0;
        bool closed = false;
        while (at < end && !closed) {
            tick += varLen();
            const int status = b.at(at) < 0x80 ? running : b.at(at++);
            if (status == 0xFF) {
                const int type = b.at(at++);
                const std::uint32_t size = varLen();
                const bool tempo = type == 0x51 && size == 3;
                tune.events.push_back({tick, status, type, tempo ? static_cast<int>(number(3)) : 0});
                if (!tempo) at += size;
                closed = type == 0x2F;
            } else if (status == 0xF0 || status == 0xF7) {
                at += varLen();
            } else if (status >= 0x80) {
                running = status;
                const int a = b.at(at++);
                const int kind = status & 0xF0;
                tune.events.push_back({tick, status, a, kind == 0xC0 || kind == 0xD0 ? 0 : b.at(at++)});
            } else {
                return tune;  // a data byte with no status to run on
            }
        }
        if (!closed || at != end) return tune;
        ++tune.tracks;
    }
    return tune;
}

// Seconds from the start to a tick, following every tempo change.
double secondsAt(const Tune& tune, std::uint32_t tick) {
    std::map<std::uint32_t, std::uint32_t> tempo{{0, 500000}};
    for (const Event& e : tune.events)
        if (e.status == 0xFF && e.a == 0x51) tempo[e.tick] = static_cast<std::uint32_t>(e.b);
    double seconds = 0;
    for (auto it = tempo.begin(); it != tempo.end() && it->first < tick; ++it) {
        const std::uint32_t until = std::next(it) == tempo.end() ? tick : std::min(tick, std::next(it)->first);
        seconds += (until - it->first) * (it->second / 1e6) / tune.division;
    }
    return seconds;
}

bool noteOn(const Event& e) { return (e.status & 0xF0) == 0x90 && e.b > 0; }

TEST(Tune, isAStandardMidiFileLastingAMinuteWithDrumsOnChannelTen) {
    const Tune tune = readTune();
    EXPECT_EQ(tune.format, 1);
    ASSERT_TRUE(tune.division > 0 && tune.division < 0x8000) << "ticks per quarter note";
    EXPECT_GT(tune.tracks, 1u);
    EXPECT_EQ(tune.tracks, tune.declaredTracks);
    std::uint32_t end = 0;
    for (const Event& e : tune.events) end = std::max(end, e.tick);
    EXPECT_GE(secondsAt(tune, end), 60.0);
    EXPECT_TRUE(std::any_of(tune.events.begin(), tune.events.end(),
                            [](const Event& e) { return noteOn(e) && (e.status & 0x0F) == 9; }));
}

// The game restarts the tune when it ends; a note still sounding then would hang.
TEST(Tune, everyNoteEndsBeforeTheTuneDoes) {
    std::map<std::pair<int, int>, int> sounding;  // by channel and key
    for (const Event& e : readTune().events) {
        const int kind = e.status & 0xF0;
        if (kind == 0x80 || kind == 0x90) sounding[{e.status & 0x0F, e.a}] += noteOn(e) ? 1 : -1;
    }
    ASSERT_FALSE(sounding.empty());
    for (const auto& [note, count] : sounding)
        EXPECT_EQ(count, 0) << "channel " << note.first << " key " << note.second;
}

}  // namespace
}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/Sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "common/ProgramFiles.h"
#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Loudness.h"

namespace orbo::assetgen {
namespace {

constexpr double Tau = 2 * M_PI;
// Every effect is levelled to the same loudness, so none drowns the others
// out; the level leaves the peakiest effect, the shot, clear of the ceiling
// also between its samples, where a player's converter may overshoot.
constexpr double TargetLoudness = -18.0;  // LUFS
constexpr double PeakCeiling = 0.891;     // -1 dBFS
constexpr double FadeInSeconds = 0.003;
constexpr double FadeOutSeconds = 0.012;

using Signal = std::vector<double>;

Signal silence(double seconds) { return Signal(static_cast<std::size_t>(seconds * SampleRate), 0.0); }
double timeOf(std::size_t i) { return static_cast<double>(i) / SampleRate; }

// Adds voice(t), t the seconds since start, for length seconds from start;
// nothing beyond the end of out.
template <typename Voice>
void mixIn(Signal& out, double start, double length, Voice voice) {
    const auto first = static_cast<std::size_t>(start * SampleRate);
    const auto count = static_cast<std::size_t>(length * SampleRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) out[first + i] += voice(timeOf(i));
}

// Adds a voice whose frequency and level may change over time; the phase is
// accumulated so pitch sweeps stay smooth.
void addTone(Signal& out, double start, double length, const std::function<double(double)>& frequency,
             const std::function<double(double)>& level, const std::function<double(double)>& shape) {
    mixIn(out, start, length, [&, phase = 0.0](double t) mutable {
        const double value = level(t) * shape(phase);
        phase += frequency(t) / SampleRate;
        phase -= std::floor(phase);
        return value;
    });
}

double sine(double phase) { return std::sin(Tau * phase); }
// A square made of its first odd harmonics: bright but without the harsh aliasing.
double softSquare(double phase) {
    double sum = 0;
    for (int k = 1; k <= 9; k += 2) sum += std::sin(Tau * k * phase) / k;
    return sum * 4 / M_PI * 0.8;
}

// Attack then exponential decay.
std::function<double(double)> strike(double attack, double decay, double gain = 1.0) {
    return [=](double t) { return gain * (t < attack ? t / attack : std::exp(-(t - attack) / decay)); };
}

// A note that holds and then lets go, dying away fast at first and then
// softly down to silence, as a struck or blown note does.
std::function<double(double)> held(double attack, double hold, double release, double gain = 1.0) {
    return [=](double t) {
        if (t < attack) return gain * t / attack;
        if (t < attack + hold) return gain;
        return gain * std::pow(std::max(0.0, 1.0 - (t - attack - hold) / release), 3);
    };
}

std::function<double(double)> constant(double value) {
    return [=](double) { return value; };
}

// A bell: a sine whose brightness (frequency modulation) dies faster than its body.
void addBell(Signal& out, double start, double length, double frequency, double gain) {
    mixIn(out, start, length, [=](double t) {
        const double index = 2.2 * std::exp(-t / 0.05);
        const double attack = std::min(1.0, t / 0.002);
        return gain * attack * std::exp(-t / 0.14) *
               std::sin(Tau * frequency * t + index * std::sin(Tau * 3.5 * frequency * t));
    });
}

// White noise through a resonant band-pass whose centre may move: hiss, rustle, breath.
void addNoise(Signal& out, double start, double length, std::uint64_t seed, const std::function<double(double)>& centre,
              double resonance, const std::function<double(double)>& level) {
    mixIn(out, start, length, [&, rng = Rng(seed), low = 0.0, band = 0.0](double t) mutable {
        const double f = 2 * std::sin(M_PI * std::min(centre(t), SampleRate / 6.0) / SampleRate);
        const double input = rng.uniform() * 2 - 1;
        low += f * band;
        const double high = input - low - resonance * band;
        band += f * high;
        return level(t) * band;
    });
}

double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// Three short square notes, one straight after the other.
void addRun(Signal& out, const std::array<double, 3>& notes, double each, const std::function<double(double)>& level) {
    for (std::size_t i = 0; i < notes.size(); ++i)
        addTone(out, static_cast<double>(i) * each, each, constant(midiHz(notes[i])), level, softSquare);
}

Signal kettleTaken() {
    // Two bright chimes, a fifth apart: a pick-up.
    Signal s = silence(0.8);
    addBell(s, 0.0, 0.8, midiHz(88), 0.8);
    addBell(s, 0.075, 0.725, midiHz(95), 1.0);
    return s;
}

Signal shot() {
    // A crack of noise, a thump that drops away and a falling zap.
    Signal s = silence(0.32);
    addNoise(s, 0, 0.32, 11, constant(2600), 0.5, strike(0.002, 0.05, 1.2));
    addTone(
        s, 0, 0.3, [](double t) { return 60 + 240 * std::exp(-t / 0.04); }, strike(0.003, 0.07, 0.4), sine);
    addTone(
        s, 0.01, 0.2, [](double t) { return 180 + 1300 * std::exp(-t / 0.035); }, strike(0.002, 0.05, 0.5), softSquare);
    return s;
}

Signal lifeLost() {
    // A sad slide down: three falling notes and a long wobbling last one.
    Signal s = silence(0.95);
    addRun(s, {67, 66, 65}, 0.17, held(0.01, 0.11, 0.05, 0.7));
    addTone(
        s, 0.51, 0.44, [](double t) { return midiHz(64 - 1.5 * t) * (1 + 0.018 * std::sin(Tau * 6 * t)); },
        held(0.01, 0.25, 0.18, 0.75), softSquare);
    return s;
}

Signal levelUp() {
    // A rising fanfare to the next level.
    Signal s = silence(0.78);
    addRun(s, {72, 76, 79}, 0.09, held(0.004, 0.06, 0.025, 0.6));
    addTone(
        s, 0.27, 0.51, [](double t) { return midiHz(84) * (1 + 0.012 * std::sin(Tau * 7 * t)); },
        held(0.005, 0.3, 0.2, 0.65), softSquare);
    addTone(s, 0.27, 0.51, constant(midiHz(96)), held(0.005, 0.25, 0.25, 0.18), sine);
    return s;
}

Signal holeClosed() {
    // Earth rushing back in, then a dull thud as it settles.
    Signal s = silence(0.6);
    addNoise(
        s, 0, 0.36, 44, [](double t) { return 400 + 6000 * t; }, 0.35, held(0.12, 0.13, 0.11));
    addTone(
        s, 0.3, 0.3, [](double t) { return 130 - 60 * t; }, strike(0.004, 0.05, 1.0), sine);
    return s;
}

Signal copTakes() {
    // A police whistle: two trilling blasts.
    Signal s = silence(0.62);
    const auto trill = [](double t) { return 2150 + 110 * std::tanh(4 * std::sin(Tau * 26 * t)); };
    addTone(s, 0.0, 0.23, trill, held(0.01, 0.16, 0.06, 0.8), sine);
    addNoise(s, 0.0, 0.23, 55, constant(2200), 1.2, held(0.01, 0.16, 0.06, 0.35));
    addTone(s, 0.28, 0.34, trill, held(0.01, 0.25, 0.08, 0.8), sine);
    addNoise(s, 0.28, 0.34, 56, constant(2200), 1.2, held(0.01, 0.25, 0.08, 0.35));
    return s;
}

Signal copDrops() {
    // A tin kettle hitting the ground and bouncing once.
    Signal s = silence(0.62);
    const double partials[] = {523, 1340, 2110, 3170};
    for (const double start : {0.0, 0.16}) {
        const double gain = start == 0 ? 1.0 : 0.45;
        for (int k = 0; k < 4; ++k)
            addTone(s, start, 0.62 - start, constant(partials[k] * (start == 0 ? 1.0 : 1.01)),
                    strike(0.001, 0.12 / (1 + k * 0.5), gain / (1 + k * 0.6)), sine);
        addTone(
            s, start, 0.12, [](double t) { return 150 - 300 * t; }, strike(0.002, 0.03, gain * 0.3), sine);
    }
    return s;
}

std::vector<std::int16_t> finish(Signal s) {
    const std::size_t fadeIn = static_cast<std::size_t>(FadeInSeconds * SampleRate);
    const std::size_t fadeOut = static_cast<std::size_t>(FadeOutSeconds * SampleRate);
    // Smooth ends, so no effect starts or stops with a click.
    for (std::size_t i = 0; i < s.size(); ++i) {
        double gain = 1;
        if (i < fadeIn) gain = std::sin(0.5 * M_PI * static_cast<double>(i) / fadeIn);
        const std::size_t fromEnd = s.size() - 1 - i;
        if (fromEnd < fadeOut) gain *= std::sin(0.5 * M_PI * static_cast<double>(fromEnd) / fadeOut);
        s[i] *= gain;
    }
    double peak = 0;
    for (const double v : s) peak = std::max(peak, std::abs(v));
    const double level = loudness::integrated(s, SampleRate);
    if (peak == 0 || level == loudness::Silent) throw std::logic_error("a sound effect came out silent");
    // Should an effect be too peaky for the common loudness, its peak wins and
    // the effect stays clean, only quieter.
    const double gain = std::min(std::pow(10.0, (TargetLoudness - level) / 20), PeakCeiling / peak);
    const double scale = gain * 32767;
    std::vector<std::int16_t> samples(s.size());
    std::transform(s.begin(), s.end(), samples.begin(),
                   [scale](double v) { return static_cast<std::int16_t>(std::lround(v * scale)); });
    return samples;
}

void putLe(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::vector<Effect> allEffects() {
    const std::function<Signal()> synth[] = {kettleTaken, shot, lifeLost, levelUp, holeClosed, copTakes, copDrops};
    static_assert(std::size(synth) == program_files::EffectCount);
    const auto files = program_files::effectFiles();
    std::vector<Effect> effects;
    for (std::size_t slot = 0; slot < files.size(); ++slot)
        effects.push_back({files[slot].filename().string(), finish(synth[slot]())});
    return effects;
}

void writeWave(const std::filesystem::path& file, const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    putLe(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    putLe(bytes, 16, 4);
    putLe(bytes, 1, 2);  // PCM
    putLe(bytes, 1, 2);  // mono
    putLe(bytes, SampleRate, 4);
    putLe(bytes, SampleRate * 2, 4);
    putLe(bytes, 2, 2);
    putLe(bytes, 16, 2);
    bytes += "data";
    putLe(bytes, dataBytes, 4);
    for (const std::int16_t sample : samples) putLe(bytes, static_cast<std::uint16_t>(sample), 2);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace orbo::assetgen

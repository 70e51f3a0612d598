#pragma once

#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orbo::test {

inline void putLittle(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i) & 0xFF));
}

inline void putBig(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

// A 16-bit stereo wave at 44100 Hz holding one steady level: mixed with others
// it adds exactly, so the mix tells how many copies sound at once.
inline void writeLevelWave(const std::filesystem::path& file, std::int16_t level, double seconds) {
    const auto frames = static_cast<std::uint32_t>(seconds * 44100);
    const std::uint32_t bytes = frames * 4;
    std::ofstream out(file, std::ios::binary);
    out.write("RIFF", 4);
    putLittle(out, 36 + bytes, 4);
    out.write("WAVEfmt ", 8);
    putLittle(out, 16, 4);
    putLittle(out, 1, 2);  // PCM
    putLittle(out, 2, 2);
    putLittle(out, 44100, 4);
    putLittle(out, 44100 * 4, 4);
    putLittle(out, 4, 2);
    putLittle(out, 16, 2);
    out.write("data", 4);
    putLittle(out, bytes, 4);
    for (std::uint32_t i = 0; i < frames * 2; ++i) putLittle(out, static_cast<std::uint16_t>(level), 2);
}

// A standard MIDI file of one note of 0.1 s at its start, `seconds` long in all
// (120 beats a minute, 480 ticks a beat: 960 ticks a second).
inline void writeOneNoteTune(const std::filesystem::path& file, double seconds) {
    const auto end = static_cast<std::uint32_t>(seconds * 960);
    std::string track;
    const auto delta = [&track](std::uint32_t ticks) {
        // variable-length quantity, at most three bytes for our lengths
        if (ticks >= 1u << 14) track.push_back(static_cast<char>(0x80 | (ticks >> 14 & 0x7F)));
        if (ticks >= 1u << 7) track.push_back(static_cast<char>(0x80 | (ticks >> 7 & 0x7F)));
        track.push_back(static_cast<char>(ticks & 0x7F));
    };
    delta(0);
    track += std::string("\xC0\x00", 2);  // piano
    delta(0);
    track += std::string("\x90\x45\x7F", 3);  // A4, loud
    delta(96);
    track += std::string("\x80\x45\x00", 3);
    delta(end - 96);
    track += std::string("\xFF\x2F\x00", 3);  // end of track

    std::string midi = "MThd";
    putBig(midi, 6, 4);
    putBig(midi, 0, 2);
    putBig(midi, 1, 2);
    putBig(midi, 480, 2);
    midi += "MTrk";
    putBig(midi, static_cast<std::uint32_t>(track.size()), 4);
    midi += track;
    std::ofstream(file, std::ios::binary) << midi;
}

// Everything the mixer sends to the output, as 16-bit stereo samples.
class MixCapture {
public:
    MixCapture() { Mix_SetPostMix(&MixCapture::take, this); }
    ~MixCapture() { Mix_SetPostMix(nullptr, nullptr); }
    MixCapture(const MixCapture&) = delete;
    MixCapture& operator=(const MixCapture&) = delete;

    // Waits until the mixer has produced `frames` more frames. The mixer runs on
    // its own thread; the generous limit only stops a test whose output is stuck.
    bool waitFor(std::size_t frames) {
        const std::size_t wanted = size() + frames * 2;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (size() < wanted) {
            if (std::chrono::steady_clock::now() > giveUp) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }
    std::vector<std::int16_t> samples() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return samples_;
    }
    void clear() {
        const std::lock_guard<std::mutex> lock(mutex_);
        samples_.clear();
    }

private:
    static void take(void* capture, Uint8* stream, int length) {
        auto* self = static_cast<MixCapture*>(capture);
        const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
        const std::lock_guard<std::mutex> lock(self->mutex_);
        self->samples_.insert(self->samples_.end(), samples, samples + length / 2);
    }
    std::size_t size() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return samples_.size();
    }
    std::mutex mutex_;
    std::vector<std::int16_t> samples_;
};

inline int loudest(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (const std::int16_t sample : samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
}

}  // namespace orbo::test

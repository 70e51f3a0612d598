#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orbo {

// 16-bit PCM sound: its samples, the channels interleaved.
struct Wave {
    int channels = 1;
    int sampleRate = 22050;
    std::vector<std::int16_t> samples;

    double seconds() const {
        return static_cast<double>(samples.size()) / (static_cast<double>(channels) * sampleRate);
    }
};

// The bytes of a RIFF wave file holding the sound.
std::string waveBytes(const Wave& wave);

// A wave file read chunk by chunk; `fault` names what keeps it from being
// 16-bit PCM with every chunk inside the file, and is empty when nothing does.
struct WaveRead {
    Wave wave;
    std::string fault;
};
WaveRead readWave(std::span<const std::uint8_t> bytes);

}  // namespace orbo

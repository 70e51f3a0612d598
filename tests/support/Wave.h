// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
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

}  // namespace orbo

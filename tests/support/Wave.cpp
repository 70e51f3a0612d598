// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Wave.h"

namespace orbo {
namespace {

constexpr std::uint32_t PcmFormat = 1;
constexpr std::uint32_t SampleBits = 16;
constexpr std::uint32_t FormatChunkBytes = 16;

void appendLittleEndian(std::string& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
}

}  // namespace

std::string waveBytes(const Wave& wave) {
    const auto channels = static_cast<std::uint32_t>(wave.channels);
    const auto rate = static_cast<std::uint32_t>(wave.sampleRate);
    const auto dataBytes = static_cast<std::uint32_t>(2 * wave.samples.size());
    std::string bytes = "RIFF";
    appendLittleEndian(bytes, 4 + 8 + FormatChunkBytes + 8 + dataBytes, 4);
    bytes += "WAVEfmt ";
    appendLittleEndian(bytes, FormatChunkBytes, 4);
    appendLittleEndian(bytes, PcmFormat, 2);
    appendLittleEndian(bytes, channels, 2);
    appendLittleEndian(bytes, rate, 4);
    appendLittleEndian(bytes, rate * channels * 2, 4);
    appendLittleEndian(bytes, channels * 2, 2);
    appendLittleEndian(bytes, SampleBits, 2);
    bytes += "data";
    appendLittleEndian(bytes, dataBytes, 4);
    for (const std::int16_t sample : wave.samples) appendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    return bytes;
}

}  // namespace orbo

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

WaveRead readWave(std::span<const std::uint8_t> b) {
    const auto le = [&](std::size_t at, int size) {
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) value = value << 8 | b[at + static_cast<std::size_t>(i)];
        return value;
    };
    const auto text = [&](std::size_t at) {
        const auto word = b.subspan(at, 4);
        return std::string(word.begin(), word.end());
    };
    WaveRead read;
    if (b.size() < 12 || text(0) != "RIFF" || le(4, 4) != b.size() - 8 || text(8) != "WAVE") {
        read.fault = "not a RIFF wave file";
        return read;
    }
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = le(at + 4, 4);
        if (at + 8 + size > b.size()) {
            read.fault = "chunk '" + text(at) + "' runs past the end";
            return read;
        }
        if (text(at) == "fmt ") {
            if (size < FormatChunkBytes || le(at + 8, 2) != PcmFormat || le(at + 22, 2) != SampleBits) {
                read.fault = "not 16-bit PCM";
                return read;
            }
            read.wave.channels = static_cast<int>(le(at + 10, 2));
            read.wave.sampleRate = static_cast<int>(le(at + 12, 4));
        } else if (text(at) == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                read.wave.samples.push_back(static_cast<std::int16_t>(le(at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return read;
}

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/formats/WaveCheck.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orbo {
namespace {

constexpr std::size_t ChunkHeaderBytes = 8;
constexpr std::size_t FormatBytes = 16;
constexpr std::uint32_t MostChannels = 8;

// PCM, Microsoft ADPCM, float, A-law, mu-law, IMA ADPCM and the extensible form.
constexpr std::array<std::uint32_t, 7> KnownCodings = {1, 2, 3, 6, 7, 0x11, 0xFFFE};

std::uint32_t little(std::span<const std::uint8_t> bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool named(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view name) {
    return std::equal(name.begin(), name.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char letter, std::uint8_t byte) { return static_cast<std::uint8_t>(letter) == byte; });
}

bool isPlayableFormat(std::span<const std::uint8_t> format) {
    if (format.size() < FormatBytes) return false;
    const std::uint32_t coding = little(format, 0, 2);
    const std::uint32_t channels = little(format, 2, 2);
    const std::uint32_t rate = little(format, 4, 4);
    const std::uint32_t bits = little(format, 14, 2);
    return std::find(KnownCodings.begin(), KnownCodings.end(), coding) != KnownCodings.end() && channels >= 1 &&
           channels <= MostChannels && rate > 0 && bits > 0;
}

}  // namespace

bool isPlayableWave(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > LargestWaveBytes || bytes.size() < 12) return false;
    if (!named(bytes, 0, "RIFF") || !named(bytes, 8, "WAVE")) return false;
    bool haveFormat = false;
    std::size_t at = 12;
    while (bytes.size() - at >= ChunkHeaderBytes) {
        const std::size_t length = little(bytes, at + 4, 4);
        const std::size_t body = at + ChunkHeaderBytes;
        if (length > bytes.size() - body) return false;
        if (named(bytes, at, "fmt ")) {
            if (!isPlayableFormat(bytes.subspan(body, length))) return false;
            haveFormat = true;
        } else if (named(bytes, at, "data")) {
            // The samples need their format first.
            return haveFormat && length > 0;
        }
        // Chunks of odd length are padded to an even one.
        at = body + length + (length & 1u);
        if (at > bytes.size()) return false;
    }
    return false;
}

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orbo {

// The largest sound effect the game reads: its own are a second or two long.
inline constexpr std::size_t LargestWaveBytes = 16 << 20;

// Whether the bytes are a wave file the mixer can play: a RIFF WAVE file whose
// format chunk names a known coding and sane channels, rate and sample size,
// followed by a data chunk that lies whole within the file.
bool isPlayableWave(std::span<const std::uint8_t> bytes);

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orbo {

// The largest tune file the game reads: its own tune is a few kilobytes.
inline constexpr std::size_t LargestTuneBytes = 1 << 20;

// Whether the bytes are a standard MIDI file a synthesizer can play through: a
// whole header, every track it declares whole and in bounds, each made of
// complete events and closed by its end-of-track event. A synthesizer fed a cut
// or foreign file can spin for ever while it holds the audio lock, so nothing
// else is ever handed to it.
bool isPlayableTune(std::span<const std::uint8_t> bytes);

}  // namespace orbo

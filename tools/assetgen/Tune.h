// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace orbo::assetgen {

// The game's tune as a standard MIDI file of format 1.
std::vector<std::uint8_t> composeTune();

void writeTune(const std::filesystem::path& file);

}  // namespace orbo::assetgen

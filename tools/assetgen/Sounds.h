// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orbo::assetgen {

constexpr int SampleRate = 22050;

struct Effect {
    std::string file;                   // name inside the sound folder
    std::vector<std::int16_t> samples;  // mono
};

// The game's seven sound effects, in slot order, synthesised, levelled to the
// same loudness and peaking below -1 dBFS.
std::vector<Effect> allEffects();

// A mono 16-bit PCM wave file.
void writeWave(const std::filesystem::path& file, const std::vector<std::int16_t>& samples);

}  // namespace orbo::assetgen

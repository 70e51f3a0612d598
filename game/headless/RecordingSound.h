// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "common/ProgramFiles.h"
#include "game/core/Platform.h"

namespace orbo::headless {

// Plays nothing; records the effects the game plays, in order, and counts each.
class RecordingSound : public SoundDevice {
public:
    using Counts = std::array<int, program_files::EffectCount>;

    bool open() override { return true; }
    void close() override {}
    void load(int, const std::filesystem::path&) override {}
    void play(int slot) override {
        played_.push_back(slot);
        if (slot >= 0 && static_cast<std::size_t>(slot) < counts.size()) ++counts[static_cast<std::size_t>(slot)];
    }

    // The effects played since the last call.
    std::vector<int> takePlayed() { return std::exchange(played_, {}); }
    const std::vector<int>& played() const { return played_; }
    // How often each effect has played; a driver that restores a game restores them with it.
    Counts counts{};

private:
    std::vector<int> played_;
};

}  // namespace orbo::headless

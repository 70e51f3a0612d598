// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/Platform.h"

namespace orbo::headless {

// A tune that plays without a sound until it is stopped.
class SilentMusic : public MusicPlayer {
public:
    void init() override {}
    void play(const std::filesystem::path&) override { playing_ = true; }
    bool isPlaying() override { return playing_; }
    void stop() override { playing_ = false; }

private:
    bool playing_ = false;
};

}  // namespace orbo::headless

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "game/core/Platform.h"
#include "game/platform/Mixer.h"
#include "game/render/SdlHandles.h"

namespace orbo::sdl {

// The sound effects: each slot plays on a mixer channel of its own, so playing an
// effect again cuts it off and starts it afresh, while different effects mix.
class SdlSound final : public SoundDevice {
public:
    SdlSound() = default;
    ~SdlSound() override { close(); }
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    bool open() override;
    void close() override;
    void load(int slot, const std::filesystem::path& file) override;
    void play(int slot) override;

private:
    std::optional<MixerLease> mixer_;
    std::array<UniqueChunk, MixerLease::Channels> effects_;
};

}  // namespace orbo::sdl

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <SDL_mixer.h>

#include "game/render/SdlHandles.h"
#include "game/render/SdlSubsystem.h"

namespace orbo::sdl {

using UniqueChunk = std::unique_ptr<Mix_Chunk, Deleter<Mix_FreeChunk>>;
using UniqueMusic = std::unique_ptr<Mix_Music, Deleter<Mix_FreeMusic>>;

// One user of the sound output that the effects and the music share: the output
// opens with the first user and closes with the last, so each can come and go in
// its own order.
class MixerLease {
public:
    MixerLease();
    ~MixerLease();
    MixerLease(const MixerLease&) = delete;
    MixerLease& operator=(const MixerLease&) = delete;

    // False when no sound output could be opened.
    bool ok() const { return ok_; }

    // Mixer channels: one per effect slot, so that each effect restarts itself
    // and different effects sound together.
    static constexpr int Channels = 11;

private:
    std::optional<SubsystemLease> audio_;
    bool ok_ = false;
};

}  // namespace orbo::sdl

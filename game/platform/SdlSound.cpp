// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/SdlSound.h"

namespace orbo::sdl {
namespace {

bool validSlot(int slot) { return slot >= 0 && slot < MixerLease::Channels; }

}  // namespace

bool SdlSound::open() {
    close();
    mixer_.emplace();
    if (mixer_->ok()) return true;
    mixer_.reset();
    return false;
}

void SdlSound::close() {
    if (!mixer_) return;
    for (int slot = 0; slot < MixerLease::Channels; ++slot) Mix_HaltChannel(slot);
    for (auto& effect : effects_) effect.reset();
    mixer_.reset();
}

void SdlSound::load(int slot, const std::filesystem::path& file) {
    if (!mixer_ || !validSlot(slot)) return;
    effects_[static_cast<std::size_t>(slot)].reset(Mix_LoadWAV(file.c_str()));
}

void SdlSound::play(int slot) {
    if (!mixer_ || !validSlot(slot)) return;
    Mix_Chunk* effect = effects_[static_cast<std::size_t>(slot)].get();
    if (!effect) return;
    Mix_HaltChannel(slot);
    Mix_PlayChannel(slot, effect, 0);
}

}  // namespace orbo::sdl

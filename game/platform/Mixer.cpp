// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/Mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace orbo::sdl {
namespace {

constexpr int OutputRate = 44100;
constexpr int OutputChannels = 2;
constexpr int SamplesPerBuffer = 1024;  // about 23 ms: effects start within a frame or two

int users = 0;

}  // namespace

MixerLease::MixerLease() {
    // Each user holds the audio subsystem itself, so it outlasts the output whoever leaves first.
    audio_.emplace(SDL_INIT_AUDIO);
    if (!audio_->ok()) return;
    if (users == 0) {
        if (Mix_OpenAudio(OutputRate, AUDIO_S16SYS, OutputChannels, SamplesPerBuffer) != 0) return;
        Mix_AllocateChannels(Channels);
    }
    ++users;
    ok_ = true;
}

MixerLease::~MixerLease() {
    if (!ok_) return;
    if (--users == 0) Mix_CloseAudio();
}

}  // namespace orbo::sdl

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/SdlMusic.h"

namespace orbo::sdl {
namespace {

constexpr int LoopForever = -1;

}  // namespace

void SdlMusic::init() {
    if (mixer_) return;
    std::error_code error;
    // With a soundfont that is not there SDL_mixer plays nothing and says nothing.
    if (!std::filesystem::is_regular_file(soundFont_, error)) return;
    mixer_.emplace();
    if (!mixer_->ok() || Mix_SetSoundFonts(soundFont_.c_str()) == 0) mixer_.reset();
}

void SdlMusic::play(const std::filesystem::path& file) {
    if (!mixer_) return;
    if (tuneFile_ != file) {
        Mix_HaltMusic();
        tune_.reset(Mix_LoadMUS(file.c_str()));
        tuneFile_ = file;
    }
    playing_ = tune_ && Mix_PlayMusic(tune_.get(), LoopForever) == 0;
    // A tune that will not start is not tried again at every pass.
    if (!playing_) tune_.reset();
}

bool SdlMusic::isPlaying() { return playing_; }

void SdlMusic::stop() {
    if (!mixer_) return;
    Mix_HaltMusic();
    playing_ = false;
    tune_.reset();
    tuneFile_.reset();
    mixer_.reset();
}

}  // namespace orbo::sdl

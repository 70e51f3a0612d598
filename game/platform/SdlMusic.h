// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

#include "game/core/Platform.h"
#include "game/platform/Mixer.h"
#include "game/render/SdlHandles.h"

namespace orbo::sdl {

// General MIDI instruments for the tune, from Debian's default soundfont.
inline constexpr const char* DefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

// The MIDI tune through SDL_mixer and FluidSynth. A tune is loaded once per
// session (each load reads the whole soundfont) and loops in the synthesizer
// itself, so that it starts again without a gap; it counts as playing from its
// start until it is stopped. Whether it plays is known without asking the mixer,
// which would wait for the audio thread: a synthesizer stuck on a tune holds that
// thread, and the play loop asks at every pass. Without a sound output, a
// soundfont or the tune, all is silence.
class SdlMusic final : public MusicPlayer {
public:
    explicit SdlMusic(std::filesystem::path soundFont = DefaultSoundFont) : soundFont_(std::move(soundFont)) {}
    ~SdlMusic() override { stop(); }
    SdlMusic(const SdlMusic&) = delete;
    SdlMusic& operator=(const SdlMusic&) = delete;

    void init() override;
    void play(const std::filesystem::path& file) override;
    bool isPlaying() override;
    void stop() override;

private:
    std::filesystem::path soundFont_;
    std::optional<MixerLease> mixer_;
    UniqueMusic tune_;
    std::optional<std::filesystem::path> tuneFile_;  // set also when it failed to load
    bool playing_ = false;
};

}  // namespace orbo::sdl

// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <fstream>
#include <future>
#include <mutex>

#include "game/core/Effects.h"
#include "game/platform/SdlMusic.h"
#include "game/platform/SdlSound.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/Wave.h"

namespace orbo {
namespace {

constexpr std::size_t Second = 44100;

// Everything the mixer sends to the output, as 16-bit stereo samples. A test may
// also hold the audio thread inside its mix, with the audio lock, as a
// synthesizer stuck on a broken tune does. The mixer runs on its own thread; the
// generous limits only stop a test that is stuck.
class PostMix {
public:
    PostMix() { Mix_SetPostMix(&PostMix::take, this); }
    ~PostMix() {
        setHolding(false);
        Mix_SetPostMix(nullptr, nullptr);
    }

    // The next `frames` frames of output.
    std::vector<std::int16_t> next(std::size_t frames) {
        std::unique_lock lock(mutex_);
        samples_.clear();
        EXPECT_TRUE(changed_.wait_for(lock, std::chrono::seconds(30), [&] { return samples_.size() >= 2 * frames; }));
        return samples_;
    }
    void setHolding(bool holding) {
        const std::lock_guard lock(mutex_);
        holding_ = holding;
        changed_.notify_all();
    }
    bool waitUntilHeld() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(30), [&] { return held_; });
    }

private:
    static void take(void* self, Uint8* stream, int length) {
        auto* mix = static_cast<PostMix*>(self);
        const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
        std::unique_lock lock(mix->mutex_);
        mix->samples_.insert(mix->samples_.end(), samples, samples + length / 2);
        mix->held_ = mix->holding_;
        mix->changed_.notify_all();
        mix->changed_.wait(lock, [&] { return !mix->holding_; });
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::int16_t> samples_;
    bool holding_ = false;
    bool held_ = false;
};

// Sound through SDL's disk driver into nothing, so no sound card is needed and the mix can be read back:
// in real time (a 1024-frame buffer every 23 ms) for effects started by hand, or as fast as it renders.
void useDiskOutput(bool realTime) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", realTime ? "23" : "0", 1);
}

// Two seconds of one steady level, 16-bit stereo at 44100 Hz: mixed waves add exactly,
// so the mix tells how many copies sound at once.
void writeLevelWave(const std::filesystem::path& file, std::int16_t level) {
    writeFile(file, waveBytes({.channels = 2, .sampleRate = 44100, .samples = std::vector(2 * 2 * Second, level)}));
}

TEST(Sound, AnEffectRestartsInsteadOfDoublingDifferentOnesMixAndSoundOffIsSilence) {
    useDiskOutput(true);
    sdl::SdlSound sound;
    const test::FakeGame fake({}, nullptr, &sound);
    const TempDir& dir = fake.dir;
    writeLevelWave(dir.path() / "four.wav", 4000);
    writeLevelWave(dir.path() / "two.wav", 2000);
    Game& game = *fake.game;
    const std::tuple<bool, std::vector<int>, int> cases[] = {
        {true, {0, 0}, 4000}, {true, {0, 1}, 6000}, {false, {0, 1}, 0}};
    for (const auto& [soundOn, effects, loudest] : cases) {
        ASSERT_TRUE(sound.open());
        sound.load(0, dir.path() / "four.wav");
        sound.load(1, dir.path() / "two.wav");
        PostMix capture;
        game.settings.soundOn = soundOn;
        for (const int effect : effects) playEffect(game, effect);
        int peak = 0;
        for (const std::int16_t sample : capture.next(Second / 5)) peak = std::max(peak, std::abs(sample));
        EXPECT_EQ(peak, loudest) << "sound " << soundOn << ", effects " << effects.front() << effects.back();
    }
}

// The frames where a note starts: the first sound after 20 ms of near silence, in steps of 2 ms.
std::vector<std::size_t> noteStarts(const std::vector<std::int16_t>& samples) {
    constexpr std::size_t Step = 2 * 88;
    std::vector<std::size_t> starts;
    int quietSteps = 0;
    for (std::size_t at = 0; at + Step <= samples.size(); at += Step) {
        int peak = 0;
        for (std::size_t i = at; i < at + Step; i += 2) peak = std::max(peak, std::abs(samples[i]));
        if (peak >= 300 && quietSteps >= 10) starts.push_back(at / 2);
        quietSteps = peak < 300 ? quietSteps + 1 : 0;
    }
    return starts;
}

TEST(Music, TheTuneLoopsWithoutAGap) {
    useDiskOutput(false);
    const TempDir dir;
    // One loud A4 of a tenth of a second in a tune of half a second (120 beats a minute, 480 ticks a beat).
    const char tune[] =
        "MThd\0\0\0\6\0\0\0\1\1\xE0"            // one track
        "MTrk\0\0\0\x10\0\xC0\0\0\x90\x45\x7F"  // piano, A4 on
        "\x60\x80\x45\0\x83\0\xFF\x2F\0";       // off 96 ticks later, the end 384 ticks after that
    std::ofstream(dir.path() / "музон0.mid", std::ios::binary).write(tune, sizeof tune - 1);
    sdl::SdlMusic music;
    music.init();
    PostMix capture;
    music.play(dir.path() / "музон0.mid");

    const auto starts = noteStarts(capture.next(8 * Second));  // the output ran before the tune: take plenty
    EXPECT_TRUE(music.isPlaying()) << "still playing, tune after tune";
    ASSERT_GE(starts.size(), 6u);
    for (std::size_t i = 1; i < starts.size(); ++i)
        EXPECT_NEAR(static_cast<double>(starts[i] - starts[i - 1]), Second / 2.0, Second / 100.0)
            << "each start half a second after the last, within 10 ms";
}

TEST(Music, ThePlayLoopsQuestionNeverWaitsForTheAudioThread) {
    useDiskOutput(true);
    const TempDir dir;
    writeFile(dir.path() / "музон0.mid", OneNoteTune);
    sdl::SdlMusic music;
    music.init();
    music.play(dir.path() / "музон0.mid");
    PostMix hold;
    hold.setHolding(true);
    ASSERT_TRUE(hold.waitUntilHeld());
    auto answer = std::async(std::launch::async, [&] { return music.isPlaying(); });
    // Generous: an answer that does not wait comes at once; one that waits never comes while held.
    const bool answered = answer.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    hold.setHolding(false);
    EXPECT_TRUE(answered);
    EXPECT_TRUE(answer.get());
    music.stop();
    EXPECT_FALSE(music.isPlaying());
}

}  // namespace
}  // namespace orbo

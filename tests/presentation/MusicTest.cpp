#include <SDL_mixer.h>

#include <algorithm>
#include <cstdlib>

#include "game/presentation/sdl/SdlMusic.h"
#include "tests/presentation/AudioFixture.h"

namespace orbo {
namespace {

using test::MixCapture;

// The frames where a note starts: where 20 ms of near silence end and the
// next 10 ms get loud.
std::vector<std::size_t> noteStarts(const std::vector<std::int16_t>& samples) {
    constexpr int Quiet = 300;
    constexpr int Loud = 1000;
    constexpr std::size_t Pause = 882;
    constexpr std::size_t Attack = 441;
    const auto level = [&](std::size_t frame) { return std::abs(static_cast<int>(samples[2 * frame])); };
    const std::size_t frames = samples.size() / 2;
    std::vector<std::size_t> starts;
    std::size_t quietFrames = 0;
    for (std::size_t frame = 0; frame < frames; ++frame) {
        if (level(frame) < Quiet) {
            ++quietFrames;
            continue;
        }
        if (quietFrames >= Pause)
            for (std::size_t later = frame; later < std::min(frames, frame + Attack); ++later)
                if (level(later) > Loud) {
                    starts.push_back(frame);
                    break;
                }
        quietFrames = 0;
    }
    return starts;
}

class MusicTest : public test::AudioTest {
protected:
    MusicTest() {
        useDiskOutput(false);
        test::writeOneNoteTune(dir.path() / "музон0.mid", 0.5);
    }
    const std::filesystem::path tune = dir.path() / "музон0.mid";
};

TEST_F(MusicTest, TheTuneLoopsWithoutAGapAndCountsAsPlaying) {
    sdl::SdlMusic music;
    music.init();
    MixCapture capture;
    music.play(tune);
    ASSERT_TRUE(music.isPlaying());
    ASSERT_TRUE(capture.waitFor(8 * Second));  // the output ran on before the tune started: take plenty
    EXPECT_TRUE(music.isPlaying()) << "still playing, tune after tune";

    const auto starts = noteStarts(capture.samples());
    ASSERT_GE(starts.size(), 6u) << "the tune started again and again";
    for (std::size_t i = 1; i < starts.size(); ++i)
        EXPECT_NEAR(static_cast<double>(starts[i] - starts[i - 1]), Second / 2.0, Second / 100.0)
            << "each start half a second after the last, within 10 ms";
}

TEST_F(MusicTest, ATuneThatStoppedStartsAgainFromTheSameLoad) {
    sdl::SdlMusic music;
    music.init();
    music.play(tune);
    Mix_HaltMusic();  // as if it had run out
    EXPECT_FALSE(music.isPlaying());

    MixCapture capture;
    music.play(tune);
    EXPECT_TRUE(music.isPlaying());
    ASSERT_TRUE(capture.waitFor(Second));
    EXPECT_FALSE(noteStarts(capture.samples()).empty());

    music.stop();
    EXPECT_FALSE(music.isPlaying());
    music.play(tune);
    EXPECT_FALSE(music.isPlaying()) << "after the stop nothing plays until the next session's set-up";
    music.init();
    music.play(tune);
    EXPECT_TRUE(music.isPlaying());
}

TEST_F(MusicTest, AMissingTuneOrSoundfontOrOutputIsSilence) {
    sdl::SdlMusic music;
    music.init();
    music.play(dir.path() / "missing.mid");
    EXPECT_FALSE(music.isPlaying());
    music.stop();

    sdl::SdlMusic withoutInstruments(dir.path() / "missing.sf2");
    withoutInstruments.init();
    withoutInstruments.play(tune);
    EXPECT_FALSE(withoutInstruments.isPlaying());

    useNoOutput();
    sdl::SdlMusic withoutOutput;
    withoutOutput.init();
    withoutOutput.play(tune);
    EXPECT_FALSE(withoutOutput.isPlaying());
    withoutOutput.stop();
}

}  // namespace
}  // namespace orbo

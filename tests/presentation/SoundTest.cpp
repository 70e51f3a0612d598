#include "game/presentation/sdl/SdlSound.h"
#include "game/session/core/Effects.h"
#include "game/session/fakes/Fakes.h"
#include "tests/presentation/AudioFixture.h"

namespace orbo {
namespace {

using test::loudest;
using test::MixCapture;

class SoundTest : public test::AudioTest {
protected:
    SoundTest() {
        useDiskOutput(true);
        test::writeLevelWave(dir.path() / "four.wav", 4000, 2.0);
        test::writeLevelWave(dir.path() / "two.wav", 2000, 2.0);
    }
    void openWithEffects() {
        ASSERT_TRUE(sound.open());
        sound.load(0, dir.path() / "four.wav");
        sound.load(1, dir.path() / "two.wav");
    }
    // The loudest sample of the next fifth of a second of output.
    int peakOfWhatFollows(MixCapture& capture) {
        EXPECT_TRUE(capture.waitFor(Second / 5));
        return loudest(capture.samples());
    }

    sdl::SdlSound sound;
};

TEST_F(SoundTest, PlayingAnEffectAgainRestartsItInsteadOfDoublingIt) {
    openWithEffects();
    MixCapture capture;
    sound.play(0);
    sound.play(0);
    EXPECT_EQ(peakOfWhatFollows(capture), 4000);
}

TEST_F(SoundTest, DifferentEffectsSoundTogether) {
    openWithEffects();
    MixCapture capture;
    sound.play(0);
    sound.play(1);
    EXPECT_EQ(peakOfWhatFollows(capture), 6000);
}

TEST_F(SoundTest, AnEffectThatFailedToLoadIsSilentAndTheOthersStillPlay) {
    openWithEffects();
    sound.load(2, dir.path() / "missing.wav");
    std::ofstream(dir.path() / "broken.wav") << "RIFF but no wave";
    sound.load(3, dir.path() / "broken.wav");
    MixCapture capture;
    sound.play(2);
    sound.play(3);
    sound.play(10);
    sound.play(11);
    EXPECT_EQ(peakOfWhatFollows(capture), 0);
    sound.play(1);
    EXPECT_EQ(peakOfWhatFollows(capture), 2000);
}

TEST_F(SoundTest, NothingIsHeardWithSoundSwitchedOff) {
    openWithEffects();
    fake::Machine machine(dir.path());
    Platform platform{dir.path(),     machine.clock, machine.random,   machine.keyboard, machine.display,
                      sound,          machine.music, machine.messages, machine.events};
    Game game(platform);
    MixCapture capture;

    game.settings.soundOn = false;
    playEffect(game, 0);
    EXPECT_EQ(peakOfWhatFollows(capture), 0);

    game.settings.soundOn = true;
    playEffect(game, 0);
    EXPECT_EQ(peakOfWhatFollows(capture), 4000);
}

TEST_F(SoundTest, ClosedOrWithoutADeviceEverythingIsSilence) {
    sound.load(0, dir.path() / "four.wav");
    sound.play(0);
    useNoOutput();
    EXPECT_FALSE(sound.open());
    sound.load(0, dir.path() / "four.wav");
    sound.play(0);
    sound.close();
}

}  // namespace
}  // namespace orbo

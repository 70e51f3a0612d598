// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "game/presentation/Fps.h"
#include "game/presentation/Presentation.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/Pictures.h"
#include "tests/support/ProgramFolder.h"

namespace orbo {
namespace {

// A game on the fake machine, in a program folder of its own.
class PresentationTest : public ::testing::Test {
protected:
    PresentationTest() { game.settings.soundOn = true; }

    Unit& put(int slot, double x, double y) {
        Unit& unit = game.units[static_cast<std::size_t>(slot)];
        unit.kind = slot == HeroSlot ? UnitKind::Hero : UnitKind::Cop;
        unit.spriteSet = slot == HeroSlot ? HeroSpriteSet : CopSpriteSet;
        unit.x = x;
        unit.y = y;
        return unit;
    }

    test::FakeGame fake;
    const TempDir& dir = fake.dir;
    test::FakeMachine& machine = fake.machine;
    Game& game = *fake.game;
};

using SetUpTest = PresentationTest;

TEST_F(SetUpTest, MissingOrDamagedSoundFilesAreNamedInOneMessageWhenSoundIsOn) {
    writeSoundFiles(dir.path());
    const auto folder = dir.path() / "звуки";
    std::filesystem::remove(folder / "коп.wav");
    writeFile(folder / "чайник.wav", silentWave().substr(0, 30));
    writeFile(folder / "выстрел.wav", "not a wave");
    writeFile(folder / "зелень.wav", silentWave().substr(0, 100));
    EXPECT_TRUE(openPlayScreen(game));
    std::string list;
    for (const char* name : {"чайник.wav", "выстрел.wav", "зелень.wav", "коп.wav"})
        list += "\n" + (folder / name).string();
    EXPECT_EQ(machine.messages.shown(),
              std::vector<std::string>{"Не удаётся прочитать звуки, игра будет без них:" + list});
    EXPECT_TRUE(game.settings.soundOn) << "the sounds that are sound still play";

    closePlayScreen(game);
    machine.messages.takeShown();
    game.settings.soundOn = false;
    EXPECT_TRUE(openPlayScreen(game));
    EXPECT_TRUE(machine.messages.shown().empty()) << "with the sound off nothing is said";
}

TEST_F(SetUpTest, APictureLargerThanTheScreenIsRefusedBeforeItIsRead) {
    std::filesystem::create_directories(dir.path() / "графика");
    const auto title = dir.path() / "графика" / "Заставка.bmp";
    writeFile(title, oversizedPicture());
    EXPECT_FALSE(showTitle(game));
    EXPECT_EQ(machine.messages.shown(), std::vector<std::string>{"Рисунок больше экрана " + title.string()});
    EXPECT_TRUE(game.session.quit);
    EXPECT_TRUE(machine.display.loadedFiles().empty()) << "the screen was never asked to decode it";
}

TEST(FpsFormat, OneRoundedDecimalAndNoLeadingZero) {
    const std::tuple<float, char, std::string> cases[] = {
        {0.0f, '.', ".0"}, {0.94f, '.', ".9"}, {0.96f, '.', "1.0"}, {59.96f, ',', "60,0"}, {1234.5f, '.', "1234.5"}};
    for (const auto& [value, separator, shown] : cases) EXPECT_EQ(formatFps(value, separator), shown) << value;
}

// A rate is measured over thirty frames, and one measured across midnight is as true.
TEST_F(PresentationTest, TheFrameRateMeasuredAcrossMidnightIsTrue) {
    machine.clock.setTimeOfDay(86400.0 - 0.9);
    for (int call = 0; call < 60; ++call) {
        drawFps(game, 950, 0);
        machine.clock.advance(20);
    }
    EXPECT_EQ(game.fps.fpsValue, 0.0f) << "a rate needs two measures thirty frames apart";
    drawFps(game, 950, 0);
    EXPECT_NEAR(game.fps.fpsValue, 50.0f, 1.0f);
}

// Every frame of the sets holds a fake picture named "set:frame".
class FrameTest : public PresentationTest {
protected:
    FrameTest() {
        for (int set = 0; set <= CopSpriteSet; ++set)
            for (int frame = 0; frame < 18; ++frame)
                game.spriteSets[static_cast<std::size_t>(set)].frames[static_cast<std::size_t>(frame)] =
                    std::make_shared<headless::Picture>(64, 50, std::to_string(set) + ":" + std::to_string(frame));
        machine.display.open();
    }
};

TEST_F(FrameTest, UnitsLieOverTheTilesInSlotOrderShowingTheirPoseAndPhase) {
    put(0, 64, 700).phase = 1;
    put(2, 66, 50).pose = Pose::Climbing;
    put(1, 100, 0);
    drawFrame(game);
    const auto& blits = machine.display.backBuffer().blits;
    ASSERT_EQ(blits.size(), 240u + 3u);
    EXPECT_EQ(std::vector(blits.begin() + 240, blits.end()),
              (std::vector<test::FakeDisplay::Blit>{
                  {64, 700, "7:1"}, {100, 0, "8:0"}, {66, 50, "8:" + std::to_string(Pose::Climbing)}}));
}

TEST_F(FrameTest, SeventeenPicturesSlideFromTheLevelLeftToTheLevelEntered) {
    game.scrollStrip.set(0, ScrollStrip::LeftLevelRow, Brick);  // the top left cell of the level left
    levelScroll().showLevelChange(game);

    const auto& frames = machine.display.shownFrames();
    ASSERT_EQ(frames.size(), 17u);
    for (int picture = 0; picture < 17; ++picture) {
        std::vector<int> brickRows;
        for (const auto& blit : frames[static_cast<std::size_t>(picture)].blits)
            if (blit.file == "1:0" && blit.x == 0) brickRows.push_back(blit.y / 50);
        // The strip moves down a row a picture, so the brick does, until it leaves the screen.
        EXPECT_EQ(brickRows, picture < FieldRows ? std::vector<int>{picture} : std::vector<int>{})
            << "picture " << picture;
    }
}

}  // namespace
}  // namespace orbo

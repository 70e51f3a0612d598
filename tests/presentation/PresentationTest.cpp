#include <fstream>
#include <tuple>

#include "game/presentation/Fps.h"
#include "game/presentation/Presentation.h"
#include "tests/presentation/PresentationFixture.h"
#include "tests/support/Pictures.h"
#include "tests/support/ProgramFolder.h"

namespace orbo {
namespace {

using SetUpTest = PresentationTest;

TEST_F(SetUpTest, WithoutASoundDeviceThePlayerIsToldOnceAndTheSessionGoesOnSilently) {
    machine.sound.setAvailable(false);
    EXPECT_TRUE(openPlayScreen(game));
    EXPECT_EQ(machine.messages.shown(),
              std::vector<std::string>{"Звуковая карта используется или отсутствует. Игра будет без звука."});
    EXPECT_FALSE(game.settings.soundOn);
    EXPECT_TRUE(machine.display.isOpen());
}

TEST_F(SetUpTest, AScreenThatCannotBeSetUpIsReportedAndEndsTheSession) {
    writeSoundFiles(dir.path());
    machine.display.failOpen("no screen here");
    EXPECT_FALSE(openPlayScreen(game));
    EXPECT_EQ(machine.messages.shown(), std::vector<std::string>{"no screen here"});
    EXPECT_TRUE(game.session.quit);
}

TEST_F(SetUpTest, MissingOrDamagedSoundFilesAreNamedInOneMessageWhenSoundIsOn) {
    writeSoundFiles(dir.path());
    const auto folder = dir.path() / "звуки";
    std::filesystem::remove(folder / "коп.wav");
    writeFile(folder / "чайник.wav", silentWave().substr(0, 30));
    writeFile(folder / "выстрел.wav", "not a wave");
    writeFile(folder / "зелень.wav", silentWave().substr(0, 100));
    EXPECT_TRUE(openPlayScreen(game));
    const std::string list = "\n" + (folder / "чайник.wav").string() + "\n" + (folder / "выстрел.wav").string() + "\n" +
                             (folder / "зелень.wav").string() + "\n" + (folder / "коп.wav").string();
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

class FpsTest : public PresentationTest {
protected:
    // The text of the last of `calls` calls, one a frame of `ms` milliseconds.
    std::string shownAfter(int calls, std::uint32_t ms) {
        for (int i = 0; i < calls; ++i) {
            machine.display.clearBackBuffer();
            drawFps(game, 950, 0);
            machine.clock.advance(ms);
        }
        return machine.display.backBuffer().texts.at(0).text;
    }
    static std::string fps(float value) { return "FPS " + formatFps(value, userDecimalSeparator()); }
};

TEST_F(FpsTest, TheRateIsMeasuredOverEachThirtyCalls) {
    machine.clock.setTimeOfDay(100.0);
    EXPECT_EQ(shownAfter(60, 20), fps(0.0f)) << "the first thirty calls only start the clock";
    EXPECT_EQ(shownAfter(1, 20), fps(50.0f));
    EXPECT_EQ(shownAfter(29, 40), fps(50.0f));
    EXPECT_EQ(shownAfter(1, 40), fps(25.4f)) << "20 ms, then 29 of 40 ms";
}

TEST_F(FpsTest, AMeasureAcrossMidnightGivesTheTrueRate) {
    machine.clock.setTimeOfDay(86400.0 - 0.9);
    shownAfter(61, 20);
    EXPECT_NEAR(game.fps.fpsValue, 50.0f, 1.0f);
}

using Placed = std::tuple<int, int, std::string>;

class FrameTest : public PresentationTest {
protected:
    // Every frame of the sets holds a fake picture named "set:frame".
    explicit FrameTest(Display* screen = nullptr) : PresentationTest(screen) {
        for (int set = 0; set <= CopSpriteSet; ++set)
            for (int frame = 0; frame < 18; ++frame)
                game.spriteSets[static_cast<std::size_t>(set)].frames[static_cast<std::size_t>(frame)] =
                    std::make_shared<headless::Picture>(64, 50, std::to_string(set) + ":" + std::to_string(frame));
    }
    const test::FakeDisplay::Frame& drawn() const { return machine.display.backBuffer(); }
};

TEST_F(FrameTest, TilesRowByRowThenUnitsInSlotOrderAtTheirRoundedPositions) {
    game.tileMap.set(3, 0, Brick);
    game.tileMap.set(15, 14, Kettle);
    game.spriteSets[Kettle].currentFrame = 13;
    put(0, 64.5, 700.0).phase = 1;  // halves round to even
    put(2, 65.5, 49.5);
    put(1, 100.25, 0.0);

    drawFrame(game);

    std::vector<Placed> expected;
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) expected.emplace_back(col * 64, row * 50, "0:0");
    std::get<2>(expected[3]) = "1:0";
    std::get<2>(expected[239]) = "5:13";  // a kettle shows its set's current frame
    expected.insert(expected.end(), {{64, 700, "7:1"}, {100, 0, "8:0"}, {66, 50, "8:0"}});
    std::vector<Placed> placed;
    for (const auto& blit : drawn().blits) placed.emplace_back(blit.x, blit.y, blit.file);
    EXPECT_EQ(placed, expected);
}

TEST_F(FrameTest, TheStatusLineShowsTheLivesInTheirShortestForm) {
    game.progress.score = 1230;
    game.progress.level = 12;
    for (const auto& [lives, shown] : {std::pair{10.0f, "Игроков: 10"}, {2.5f, "Игроков: 2.5"}}) {
        game.progress.lives = lives;
        machine.display.clearBackBuffer();
        drawFrame(game);
        std::vector<Placed> texts;
        for (const auto& text : drawn().texts) {
            texts.emplace_back(text.x, text.y, text.text);
            EXPECT_EQ(text.colour, 0xFFFFFFu) << text.text;
        }
        EXPECT_EQ(texts, (std::vector<Placed>{{64, 752, "Счет: 1230"}, {512, 752, shown}, {896, 752, "Этаж: 12"}}));
    }
}

TEST_F(FrameTest, DrawingLeavesTheGameAsItWas) {
    game.tileMap.set(1, 14, Kettle);
    put(0, 64, 700).pose = 4;
    put(1, 64, 0).pose = Pose::Climbing;

    drawFrame(game);

    EXPECT_EQ(game.tileMap.at(1, 14), Kettle) << "the kettle under the hero is the pass's to take, not the frame's";
    EXPECT_EQ(game.progress.score, 0);
    EXPECT_EQ(game.units[0].pose, 4);
    EXPECT_EQ(game.units[1].pose, Pose::Climbing);
    EXPECT_EQ(drawn().blits.size(), 240u + 2u) << "every tile and both units";
}

// Each flipped picture of the fake screen, in order.
class RecordingDisplay : public test::FakeDisplay {
public:
    using FakeDisplay::FakeDisplay;
    bool flip() override {
        frames.push_back(backBuffer());
        return FakeDisplay::flip();
    }
    std::vector<Frame> frames;
};

class LevelScrollTest : public FrameTest {
protected:
    LevelScrollTest() : FrameTest(&screen) { screen.open(); }
    RecordingDisplay screen{machine.clock};
};

TEST_F(LevelScrollTest, SeventeenPicturesSlideFromTheLevelLeftToTheLevelEntered) {
    game.scrollStrip.set(0, ScrollStrip::LeftLevelRow, Brick);  // the top left cell of the level left
    levelScroll().showLevelChange(game);

    ASSERT_EQ(screen.frames.size(), 17u);
    for (int picture = 0; picture < 17; ++picture) {
        std::vector<int> brickRows;
        for (const auto& blit : screen.frames[static_cast<std::size_t>(picture)].blits)
            if (blit.file == "1:0" && blit.x == 0) brickRows.push_back(blit.y / 50);
        // The strip moves down a row a picture, so the brick does, until it leaves the screen.
        EXPECT_EQ(brickRows, picture < FieldRows ? std::vector<int>{picture} : std::vector<int>{})
            << "picture " << picture;
    }
}

using SpritesTest = PresentationTest;

TEST_F(SpritesTest, EveryFrameLoadsAtCellSizeAndAKettlePictureServesTwoSteps) {
    ASSERT_TRUE(loadSprites(game));

    EXPECT_EQ(machine.display.loadedFiles().size(), 89u) << "each file read once";
    int filled = 0;
    for (const SpriteSet& set : game.spriteSets)
        for (const auto& frame : set.frames)
            if (frame) {
                ++filled;
                EXPECT_EQ(std::make_pair(frame->width(), frame->height()), std::make_pair(64, 50));
            }
    EXPECT_EQ(filled, 140);
    SpriteSet& kettle = game.spriteSets[Kettle];
    for (std::size_t step = 0; step <= 100; step += 2) EXPECT_EQ(kettle.frames[step], kettle.frames[step + 1]) << step;
    EXPECT_EQ(static_cast<const headless::Picture&>(*kettle.frames[43]).file(), "Чайник0042.bmp");

    kettle.currentFrame = 99;
    advanceFrame(game, Kettle);
    advanceFrame(game, Kettle);
    EXPECT_EQ(kettle.currentFrame, 0) << "the animation starts again after its hundredth step";
}

TEST_F(SpritesTest, AMissingPictureIsNamedAndEndsTheSession) {
    machine.display.requireFiles(true);
    EXPECT_FALSE(loadSprites(game));
    const std::string path = (dir.path() / "графика").string() + "/пустота.bmp";
    EXPECT_EQ(machine.messages.shown(), std::vector<std::string>{"Фаил не найден " + path});
    EXPECT_TRUE(game.session.quit);
}

}  // namespace
}  // namespace orbo

#include <tuple>

#include "game/presentation/Presentation.h"
#include "tests/presentation/PresentationFixture.h"

namespace orbo {
namespace {

using Blit = fake::Display::Blit;
using Placed = std::tuple<int, int, std::string>;

class FrameTest : public PresentationTest {
protected:
    FrameTest() { fillSpriteSets(); }
    const fake::Display::Frame& drawn() { return machine.display.backBuffer(); }
    // The copies from the first-th on, as (x, y, picture).
    std::vector<Placed> blitsFrom(std::size_t first) {
        std::vector<Placed> placed;
        const auto& blits = drawn().blits;
        for (std::size_t i = first; i < blits.size(); ++i) placed.emplace_back(blits[i].x, blits[i].y, blits[i].file);
        return placed;
    }
};

TEST_F(FrameTest, TilesRowByRowThenUnitsInSlotOrderAtTheirRoundedPositions) {
    game->tileMap.set(3, 0, Brick);
    game->tileMap.set(15, 14, Kettle);
    game->spriteSets[Kettle].currentFrame = 13;
    put(0, 64.5, 700.0);   // halves round to even
    put(2, 65.5, 49.5);
    put(1, 100.25, 0.0);

    drawFrame(*game);

    const auto& blits = drawn().blits;
    ASSERT_EQ(blits.size(), 240u + 3u);
    for (int row = 0; row < 15; ++row) {
        for (int col = 0; col < 16; ++col) {
            const Blit& tile = blits[static_cast<std::size_t>(row * 16 + col)];
            EXPECT_EQ(tile.x, col * 64);
            EXPECT_EQ(tile.y, row * 50);
        }
    }
    EXPECT_EQ(blits[3].file, "1:0");
    EXPECT_EQ(blits[0].file, "0:0");
    EXPECT_EQ(blits[239].file, "5:13") << "a kettle shows its set's current frame";
    EXPECT_EQ(blitsFrom(240), (std::vector<Placed>{{64, 700, "7:0"}, {100, 0, "8:0"}, {66, 50, "8:0"}}));
}

TEST_F(FrameTest, UnitsAreDrawnWithThePoseOfTheTileTheyStandInAndTheirPhase) {
    game->tileMap.set(2, 3, Bar);
    Unit& hero = put(0, 128, 150);
    hero.dirX = 1;
    hero.phase = 1;
    Unit& cop = put(1, 320, 150);  // in an Empty cell, heading left
    cop.dirX = -1;

    drawFrame(*game);

    EXPECT_EQ(blitsFrom(240), (std::vector<Placed>{{128, 150, "7:11"}, {320, 150, "8:2"}}));
    EXPECT_EQ(hero.pose, 10);
}

TEST_F(FrameTest, AMissingPictureIsSkippedNotDrawn) {
    game->tileMap.set(0, 0, 9);  // no set holds pictures for codes past Hole
    game->spriteSets[Brick].frames[0].reset();
    game->tileMap.set(1, 0, Brick);
    game->tileMap.set(0, 2, Turf);  // a tile that leaves the pose alone
    Unit& hero = put(0, 0, 100);
    hero.pose = 200;  // past the frames a set holds

    drawFrame(*game);

    EXPECT_EQ(drawn().blits.size(), 240u - 2u);
    EXPECT_EQ(drawn().texts.size(), 3u) << "the rest of the frame is drawn";
}

TEST_F(FrameTest, SeparatorAndStatusLineUnderTheField) {
    game->progress.score = 1230;
    game->progress.lives = 7.0f;
    game->progress.level = 12;

    drawFrame(*game);

    ASSERT_EQ(drawn().lines.size(), 1u);
    const auto& line = drawn().lines[0];
    EXPECT_EQ(std::tie(line.x1, line.y1, line.x2, line.y2), std::make_tuple(0, 750, 1024, 750));
    EXPECT_EQ(line.width, 5);
    EXPECT_EQ(line.colour, 0x0000FFu) << "light red";

    ASSERT_EQ(drawn().texts.size(), 3u);
    const auto& texts = drawn().texts;
    EXPECT_EQ(std::tie(texts[0].x, texts[0].y, texts[0].text), std::make_tuple(64, 752, std::string("Счет: 1230")));
    EXPECT_EQ(std::tie(texts[1].x, texts[1].y, texts[1].text), std::make_tuple(512, 752, std::string("Игроков: 7")));
    EXPECT_EQ(std::tie(texts[2].x, texts[2].y, texts[2].text), std::make_tuple(896, 752, std::string("Этаж: 12")));
    for (const auto& text : texts) EXPECT_EQ(text.colour, 0xFFFFFFu);

    // White stays for whatever the pass draws after the frame.
    machine.display.drawText(300, 330, "after");
    EXPECT_EQ(drawn().texts.back().colour, 0xFFFFFFu);
}

TEST_F(FrameTest, LivesShowInTheirShortestForm) {
    for (const auto& [lives, shown] : {std::pair{10.0f, "Игроков: 10"}, {0.0f, "Игроков: 0"}, {2.5f, "Игроков: 2.5"}}) {
        game->progress.lives = lives;
        machine.display.clearBackBuffer();
        drawFrame(*game);
        EXPECT_EQ(drawn().texts.at(1).text, shown);
    }
}

class LevelClearFrameTest : public FrameTest {
protected:
    LevelClearFrameTest() {
        writeLevel(0, "1111111111111111\r\n");
        writeLevel(1, "2222222222222222\r\n");
        game->session.levelCount = 2;
        game->tileMap.set(1, 14, Kettle);
        put(0, 64, 700);
        put(1, 64, 0).pose = 99;
        put(2, 128, 0).pose = 99;
    }
};

TEST_F(LevelClearFrameTest, TheLastKettleEndsTheFrameAfterTheLevelChange) {
    drawFrame(*game);

    EXPECT_EQ(game->progress.level, 1);
    EXPECT_EQ(game->progress.score, 110);
    EXPECT_EQ(machine.display.flips(), 17) << "the level change scrolled";
    EXPECT_TRUE(drawn().blits.empty()) << "no unit after the hero";
    EXPECT_TRUE(drawn().lines.empty());
    EXPECT_TRUE(drawn().texts.empty());
    EXPECT_EQ(game->units[1].pose, 99) << "the cops were not posed";
    EXPECT_EQ(game->tileMap.at(0, 0), Turf) << "the next level is in";

    drawFrame(*game);
    EXPECT_EQ(drawn().blits.front().file, "2:0") << "the next pass draws the new level";
    EXPECT_EQ(drawn().texts.at(2).text, "Этаж: 1");
}

TEST_F(LevelClearFrameTest, AKettleLeftOnTheFieldLetsTheFrameGoOn) {
    game->tileMap.set(9, 9, Kettle);

    drawFrame(*game);

    EXPECT_EQ(machine.display.flips(), 0);
    EXPECT_EQ(blitsFrom(240).size(), 3u);
    EXPECT_EQ(drawn().texts.at(0).text, "Счет: 10");
    EXPECT_EQ(game->units[1].pose, 0) << "the cops were posed as usual";
}

}  // namespace
}  // namespace orbo

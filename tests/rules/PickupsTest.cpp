#include <fstream>

#include "game/rules/Cops.h"
#include "game/rules/Movement.h"
#include "game/rules/Pickups.h"
#include "game/rules/Progression.h"
#include "tests/rules/RulesFixture.h"

namespace orbo {
namespace {

class PickupsTest : public RulesTest {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() / "Этажи");
        writeLevel(0, "0000000000000000\r\n");
        writeLevel(1, "1111111111111111\r\n");
        game->session.levelCount = 2;
        placeUnits(*game);
    }
    void writeLevel(int number, const std::string& text) {
        std::ofstream(dir.path() / "Этажи" / ("Orbo" + std::to_string(number) + ".orb"), std::ios::binary) << text;
    }
};

TEST_F(PickupsTest, TakingAKettleScoresTenAndTheLastOneClearsTheLevel) {
    setRows({{14, "0550"}});
    put(HeroSlot, 1, 14);
    EXPECT_FALSE(updatePose(*game, HeroSlot));
    EXPECT_EQ(game->tileMap.at(1, 14), Empty);
    EXPECT_EQ(game->progress.score, 10);
    EXPECT_EQ(machine.sound.takePlayed(), std::vector<int>{0});

    put(HeroSlot, 2, 14);
    EXPECT_TRUE(updatePose(*game, HeroSlot));
    EXPECT_EQ(game->progress.score, 120);
    EXPECT_EQ(game->progress.level, 1);
    EXPECT_EQ(machine.sound.takePlayed(), (std::vector<int>{0, 3}));
    EXPECT_EQ(game->tileMap.at(0, 0), Brick) << "the next level was read";
    EXPECT_EQ(hero().col, 1);
    EXPECT_EQ(hero().row, 14);
    EXPECT_EQ(levelChanges.shown, 1) << "the level change was shown";
}

TEST_F(PickupsTest, PosingStopsWhenTheHerosKettleClearsTheLevel) {
    writeLevel(1, "0000000000000000\r\n");
    setRows({{14, "05"}});
    put(HeroSlot, 1, 14);
    put(1, 5, 5).pose = 99;
    EXPECT_TRUE(updatePoses(*game));
    EXPECT_EQ(game->progress.level, 1);
    EXPECT_EQ(cop(1).pose, 99) << "the cop after the hero is posed in the next pass, on the new level";

    setRows({{14, "05"}});
    put(HeroSlot, 3, 14);
    EXPECT_FALSE(updatePoses(*game));
    EXPECT_EQ(cop(1).pose, Pose::Standing) << "without a level change every unit is posed";
}

TEST_F(PickupsTest, ALostLifeLeavesTheCopsTheirKettlesAndAReadLevelTakesThem) {
    game->carrying[1] = true;
    game->carrying[2] = true;
    loseLife(*game);
    EXPECT_TRUE(game->carrying[1] && game->carrying[2]);
    loadLevel(*game);
    EXPECT_FALSE(game->carrying[1] || game->carrying[2]);
}

TEST_F(PickupsTest, ALevelNumberRestoredPastTheCountGoesOnRatherThanWrapping) {
    game->progress.level = 2;  // left with Esc when the folder held more levels
    advanceLevel(*game);
    EXPECT_EQ(game->progress.level, 3);
    EXPECT_TRUE(game->session.quit) << "level 3 has no file";
}

TEST_F(PickupsTest, AMissingNextLevelIsReportedThreeTimesAndEndsTheSession) {
    game->session.levelCount = 3;
    game->progress.level = 1;
    setRows({{14, "0500"}});
    put(HeroSlot, 1, 14);
    updatePose(*game, HeroSlot);
    const auto shown = machine.messages.shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "Фаил не найден " + (dir.path() / "Этажи" / "Orbo2.orb").string());
    EXPECT_TRUE(game->session.quit);
    EXPECT_EQ(levelChanges.shown, 1) << "the level change is still shown";
}

TEST_F(PickupsTest, CopsTakeKettlesAndDropThemOnlyOnEmptyCells) {
    setRows({{4, "5"}});
    put(1, 0, 4);
    handleCopKettle(*game, 1, Kettle, 0, 4);
    EXPECT_EQ(game->carrying[1], 1);
    EXPECT_EQ(game->tileMap.at(0, 4), Empty);
    EXPECT_EQ(machine.sound.takePlayed(), std::vector<int>{5});

    // A draw of 0.14 lands on the one value in fifteen that drops the kettle.
    machine.random.queue({0.14f});
    handleCopKettle(*game, 1, Bar, 0, 4);
    EXPECT_EQ(game->carrying[1], 1) << "only an empty cell takes a dropped kettle";
    machine.random.queue({0.2f});
    handleCopKettle(*game, 1, Empty, 0, 4);
    EXPECT_EQ(game->carrying[1], 1) << "0.2 is past the dropping value";
    machine.random.queue({0.14f});
    handleCopKettle(*game, 1, Empty, 0, 4);
    EXPECT_EQ(game->carrying[1], 0);
    EXPECT_EQ(game->tileMap.at(0, 4), Kettle);
    EXPECT_EQ(machine.sound.takePlayed(), std::vector<int>{6});

    game->carrying[2] = 1;
    put(2, 0, 4);
    handleCopKettle(*game, 2, Kettle, 0, 4);
    EXPECT_EQ(game->tileMap.at(0, 4), Kettle) << "a carrying cop leaves a kettle where it is";
}

TEST_F(PickupsTest, LosingALifeNeverTakesTheScoreBelowZero) {
    game->progress.score = 5;
    put(HeroSlot, 7, 3).dirX = 1;
    loseLife(*game);
    EXPECT_EQ(game->progress.score, 0);
    EXPECT_EQ(game->progress.lives, 9.0f);
    EXPECT_EQ(hero().dirX, 0);
    EXPECT_EQ(hero().col, 1);
    EXPECT_EQ(machine.sound.takePlayed(), std::vector<int>{2});
}

TEST_F(PickupsTest, TheLastLifeEndsTheGameAndASecondCaptureCostsOneMore) {
    game->progress = {.score = 300, .lives = 1.0f, .level = 1, .canContinue = true};
    put(HeroSlot, 4, 4);
    put(1, 4, 4);
    put(2, 4, 4);
    checkCapture(*game);
    EXPECT_TRUE(game->session.quit);
    EXPECT_FALSE(game->progress.canContinue);
    EXPECT_EQ(game->progress.score, 0);
    EXPECT_EQ(game->progress.level, 0);
    EXPECT_EQ(game->progress.lives, 9.0f) << "the second cop's match took a life from the new ten";
    EXPECT_EQ(machine.sound.takePlayed(), std::vector<int>{2});
}

TEST_F(PickupsTest, CaptureComparesCellsNotPictures) {
    Unit& h = put(HeroSlot, 4, 4);
    Unit& c = put(2, 5, 4);
    c.col = 4;  // stepped in, not yet glided
    checkCapture(*game);
    EXPECT_EQ(game->progress.lives, 9.0f);
    EXPECT_EQ(h.col, 1);
}

}  // namespace
}  // namespace orbo

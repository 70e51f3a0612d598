#include "game/rules/Movement.h"
#include "tests/rules/RulesFixture.h"

namespace orbo {
namespace {

// Row 14 (the bottom) is floor unless a test says otherwise.
constexpr std::string_view Floor = "1111111111111111";

using MovementTest = RulesTest;

TEST_F(MovementTest, WalkingTakesOneStepThenFourGlideTicks) {
    setGrid({"", "", "", "", "", "", "", "", "", "", "", "", "", "", Floor});
    Unit& h = put(HeroSlot, 3, 13);
    h.dirX = 1;

    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 4);
    EXPECT_EQ(h.x, 192.0) << "the step moves the cell, not the picture";
    EXPECT_EQ(h.dirX, 1) << "walking on keeps the intention";

    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 4) << "no step until the picture has arrived";
    for (double x : {208.0, 224.0, 240.0, 256.0}) {
        glideUnits(*game);
        EXPECT_EQ(h.x, x);
    }
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 5);
}

TEST_F(MovementTest, EdgesOfTheFieldStopTheHeroAndClearHisIntention) {
    setGrid({});
    Unit& h = put(HeroSlot, 0, 14);
    h.dirX = -1;
    h.pose = 4;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 0);
    EXPECT_EQ(h.dirX, 0);
    EXPECT_EQ(h.pose, Pose::Standing);

    put(HeroSlot, 15, 14).dirX = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 15);
    EXPECT_EQ(h.dirX, 0);

    put(HeroSlot, 5, 14).dirY = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 14);
    EXPECT_EQ(h.dirY, 0);
}

TEST_F(MovementTest, UpOnlyOutOfALadderAndTheLadderTopCarries) {
    // A ladder in column 2 from row 12 to 14, floor at row 14 elsewhere.
    setGrid({"", "", "", "", "", "", "", "", "", "", "", "", "0030", "0030", "1131111111111111"});
    Unit& h = put(HeroSlot, 1, 13);
    h.dirY = -1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 13) << "no way up from an empty cell";
    EXPECT_EQ(h.dirY, 0) << "the own empty cell as target clears the vertical intention";

    put(HeroSlot, 2, 14).dirY = -1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 13);
    EXPECT_EQ(h.dirY, -1);
    glideToRest();
    stepUnit(*game, HeroSlot);
    glideToRest();
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 11) << "climbs into the empty cell above the ladder";
    EXPECT_EQ(h.dirY, 0) << "reaching an empty cell ends the climb";
    glideToRest();
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 11) << "the ladder top holds him up";
}

TEST_F(MovementTest, DownALadderUntilItEndsThenTheFallRuleApplies) {
    // Ladder in column 4 at rows 10 and 11, nothing below until the floor.
    setGrid({"", "", "", "", "", "", "", "", "", "", "0000300", "0000300", "", "", Floor});
    Unit& h = put(HeroSlot, 4, 9);
    h.dirY = 1;
    std::vector<int> rows;
    for (int step = 0; step < 6; ++step) {
        stepUnit(*game, HeroSlot);
        glideToRest();
        rows.push_back(h.row);
    }
    EXPECT_EQ(rows, (std::vector<int>{10, 11, 12, 13, 13, 13}));
    EXPECT_EQ(h.dirY, 0);
}

TEST_F(MovementTest, FallingKeepsASidewaysIntentionOnlyWhileTheSideIsOpen) {
    setGrid({"", "", "", "", "", "", "", "", "", "", "", "", "", "0010", Floor});
    Unit& h = put(HeroSlot, 3, 10);
    h.dirX = -1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 11) << "falls";
    EXPECT_EQ(h.col, 3) << "no sideways move while falling";
    EXPECT_EQ(h.dirX, -1) << "the cell left of the new position is open";
    glideToRest();
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 12);
    EXPECT_EQ(h.dirX, -1);
    glideToRest();
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 13) << "the fall happens even when the side is blocked";
    EXPECT_EQ(h.dirX, 0) << "brick beside the new position clears the intention";
}

TEST_F(MovementTest, BarsHoldAUnitAndLetItDropDownwards) {
    setGrid({"", "", "", "", "", "", "", "", "", "0004440", "", "", "", "", Floor});
    Unit& h = put(HeroSlot, 3, 7);
    stepUnit(*game, HeroSlot);
    glideToRest();
    stepUnit(*game, HeroSlot);
    glideToRest();
    EXPECT_EQ(h.row, 9) << "a falling unit stops in the bar cell";
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 9) << "hangs";

    h.dirY = -1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 9);
    EXPECT_EQ(h.dirY, -1) << "up from a bar does nothing and the intention stays";

    h.dirY = 0;
    h.dirX = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 4) << "moves along the bar";
    EXPECT_TRUE(updatePose(*game, HeroSlot) == false);
    EXPECT_EQ(h.pose, 10);

    glideToRest();
    h.dirX = 0;
    h.dirY = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 10) << "drops off";
    EXPECT_EQ(h.dirY, 0);
}

TEST_F(MovementTest, AHoleIsFallenThroughOrHoldsItsPrisoner) {
    setGrid({"", "", "", "", "", "", "", "", "", "", "", "", "0000", "2262", "2212"});
    Unit& h = put(HeroSlot, 1, 12);
    h.dirX = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 2);
    glideToRest();
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 13) << "falls into the hole";
    glideToRest();
    h.dirY = -1;
    h.dirX = 0;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 13) << "cannot climb out";
    h.dirX = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 2) << "turf beside holds him in";

    // With open space below the hole the unit falls straight through.
    game->tileMap.set(2, 14, Empty);
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 14);
}

TEST_F(MovementTest, AUnitOnItsWayIsNotSteppedAndEmptySlotsOnlyToggleTheirPhase) {
    setGrid({});
    Unit& h = put(HeroSlot, 5, 14);
    h.x = 70.0;
    h.dirX = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 5);
    EXPECT_EQ(h.dirX, 1);

    Unit& free = game->units[4];
    free.col = 3;
    glideUnits(*game);
    EXPECT_EQ(free.x, 0.0);
    EXPECT_EQ(free.phase, 1);
}

TEST_F(MovementTest, GlideFinishesSidewaysBeforeVertical) {
    Unit& h = put(HeroSlot, 2, 3);
    h.x = 64.0;
    h.y = 100.0;
    glideUnits(*game);
    EXPECT_EQ(h.x, 80.0);
    EXPECT_EQ(h.y, 100.0);
    for (int i = 0; i < 3; ++i) glideUnits(*game);
    EXPECT_EQ(h.x, 128.0);
    glideUnits(*game);
    EXPECT_EQ(h.y, 125.0);
    glideUnits(*game);
    EXPECT_EQ(h.y, 150.0);
}

TEST_F(MovementTest, PoseFollowsTheTileAndTheIntention) {
    setGrid({"0340", "0300"});
    Unit& c = put(1, 0, 0);
    c.dirX = -1;
    updatePose(*game, 1);
    EXPECT_EQ(c.pose, 2);
    c.dirX = 0;
    updatePose(*game, 1);
    EXPECT_EQ(c.pose, 0);

    put(1, 1, 0).dirY = 1;
    updatePose(*game, 1);
    EXPECT_EQ(c.pose, Pose::Climbing);
    c.pose = 4;
    c.dirY = -1;
    updatePose(*game, 1);
    EXPECT_EQ(c.pose, 4) << "no way up out of row 0: the pose stays";

    put(1, 2, 0).dirX = -1;
    updatePose(*game, 1);
    EXPECT_EQ(c.pose, 8);

    game->tileMap.set(5, 5, Kettle);
    put(1, 5, 5).pose = 12;
    EXPECT_FALSE(updatePose(*game, 1));
    EXPECT_EQ(c.pose, 12) << "a cop on a kettle keeps its pose";
    EXPECT_EQ(game->tileMap.at(5, 5), Kettle) << "and does not take it while drawn";
}

TEST_F(MovementTest, CanEnterChecksTheFieldBeforeTheCell) {
    setGrid({"1200"});
    put(HeroSlot, 0, 1);
    EXPECT_FALSE(canEnter(*game, HeroSlot, -1, 0));
    EXPECT_FALSE(canEnter(*game, HeroSlot, 0, -1)) << "brick";
    EXPECT_FALSE(canEnter(*game, HeroSlot, 1, -1)) << "turf";
    EXPECT_TRUE(canEnter(*game, HeroSlot, 2, -1));
    put(HeroSlot, 15, 14);
    EXPECT_FALSE(canEnter(*game, HeroSlot, 1, 0)) << "the margin is not part of the field";
    EXPECT_FALSE(canEnter(*game, HeroSlot, 0, 1));
    EXPECT_EQ(tileAt(*game, HeroSlot, 1, 1), Empty);
}

}  // namespace
}  // namespace orbo

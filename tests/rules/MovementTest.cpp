#include "game/rules/Movement.h"
#include "tests/rules/RulesFixture.h"

namespace orbo {
namespace {

using MovementTest = RulesTest;

TEST_F(MovementTest, EdgesOfTheFieldStopTheHeroAndClearHisIntention) {
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

TEST_F(MovementTest, LaddersLeadUpAndDownAndTheirTopCarries) {
    // A ladder in column 2 from row 12 down; another in column 4 at rows 9 and 10 above open air.
    setRows({{9, "00003"}, {10, "00003"}, {12, "0030"}, {13, "0030"}, {14, "1131111111111111"}});
    Unit& h = put(HeroSlot, 1, 13);
    h.dirY = -1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 13) << "no way up from an empty cell";
    EXPECT_EQ(h.dirY, 0) << "his own empty cell as the target clears the vertical intention";

    put(HeroSlot, 2, 14).dirY = -1;
    walk(3);
    EXPECT_EQ(h.row, 11) << "climbed into the empty cell above the ladder";
    EXPECT_EQ(h.dirY, 0) << "reaching an empty cell ends the climb";
    walk(1);
    EXPECT_EQ(h.row, 11) << "the ladder top holds him up";

    put(HeroSlot, 4, 8).dirY = 1;
    std::vector<int> rows;
    for (int step = 0; step < 5; ++step) {
        walk(1);
        rows.push_back(h.row);
    }
    EXPECT_EQ(rows, (std::vector<int>{9, 10, 11, 12, 13})) << "down the ladder, then falling";
}

TEST_F(MovementTest, FallingKeepsASidewaysIntentionOnlyWhileTheSideIsOpen) {
    setRows({{13, "0010"}, {14, "1111111111111111"}});
    Unit& h = put(HeroSlot, 3, 10);
    h.dirX = -1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 11) << "falls";
    EXPECT_EQ(h.col, 3) << "no sideways move while falling";
    EXPECT_EQ(h.dirX, -1) << "the cell left of the new position is open";
    glideToRest();
    walk(2);
    EXPECT_EQ(h.row, 13) << "the fall happens even when the side is blocked";
    EXPECT_EQ(h.dirX, 0) << "brick beside the new position clears the intention";
}

TEST_F(MovementTest, AKettleHoldsNobodyUp) {
    setRows({{6, "05"}, {7, "1111"}});
    Unit& h = put(HeroSlot, 1, 5);
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 6) << "a unit drops into the kettle's cell below it";
}

TEST_F(MovementTest, BarsHoldAUnitAndLetItDropDownwards) {
    setRows({{9, "0004440"}, {14, "1111111111111111"}});
    Unit& h = put(HeroSlot, 3, 7);
    walk(3);
    EXPECT_EQ(h.row, 9) << "a falling unit stops in the bar cell and hangs";

    h.dirY = -1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 9);
    EXPECT_EQ(h.dirY, -1) << "up from a bar does nothing and the intention stays";

    h.dirY = 0;
    h.dirX = 1;
    walk(1);
    EXPECT_EQ(h.col, 4) << "moves along the bar";
    updatePose(*game, HeroSlot);
    EXPECT_EQ(h.pose, 10);

    h.dirX = 0;
    h.dirY = 1;
    walk(1);
    EXPECT_EQ(h.row, 10) << "drops off";
    EXPECT_EQ(h.dirY, 0);
}

TEST_F(MovementTest, AHoleIsFallenThroughOrHoldsItsPrisoner) {
    setRows({{13, "2262"}, {14, "2212"}});
    Unit& h = put(HeroSlot, 1, 12);
    h.dirX = 1;
    walk(2);
    EXPECT_EQ(h.col, 2);
    EXPECT_EQ(h.row, 13) << "walked over the hole and fell in";
    h.dirY = -1;
    h.dirX = 0;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 13) << "cannot climb out";
    h.dirX = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 2) << "turf beside holds him in";

    game->tileMap.set(2, 14, Empty);
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.row, 14) << "with open space below he falls straight through";
}

TEST_F(MovementTest, GlideSlidesSidewaysFirstAndOnlyAUnitAtRestSteps) {
    Unit& h = put(HeroSlot, 2, 3);
    h.x = 64.0;
    h.y = 100.0;
    h.dirX = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.col, 2) << "not at rest: no step whatever the intention";
    std::vector<std::pair<double, double>> path;
    for (int tick = 0; tick < 6; ++tick) {
        glideUnits(*game);
        path.emplace_back(h.x, h.y);
    }
    EXPECT_EQ(path, (std::vector<std::pair<double, double>>{
                        {80, 100}, {96, 100}, {112, 100}, {128, 100}, {128, 125}, {128, 150}}));

    Unit& free = game->units[4];
    free.col = 3;
    glideUnits(*game);
    EXPECT_EQ(free.x, 0.0) << "an empty slot never moves";
    EXPECT_EQ(free.phase, 1) << "but its phase toggles with the others";
}

TEST_F(MovementTest, PoseFollowsTheTileAndTheIntention) {
    setRows({{0, "0340"}, {1, "0300"}, {5, "000005"}});
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

    put(1, 5, 5).pose = 12;
    EXPECT_FALSE(updatePose(*game, 1));
    EXPECT_EQ(c.pose, 12) << "a cop on a kettle keeps its pose";
    EXPECT_EQ(game->tileMap.at(5, 5), Kettle) << "and does not take it";
}

TEST_F(MovementTest, CanEnterChecksTheFieldBeforeTheCell) {
    setRows({{0, "1200"}});
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

#include "game/rules/Cops.h"
#include "tests/rules/RulesFixture.h"

namespace orbo {
namespace {

class CopsTest : public RulesTest {
protected:
    // Steers the cop from the same place many times and counts its choices.
    struct Choices {
        int left = 0, right = 0, up = 0, down = 0, none = 0;
    };
    Choices steerMany(int slot, int col, int row, int times) {
        Choices choices;
        for (int i = 0; i < times; ++i) {
            put(slot, col, row);
            steerCop(*game, slot);
            const Unit& c = cop(slot);
            if (c.dirX == -1) ++choices.left;
            if (c.dirX == 1) ++choices.right;
            if (c.dirY == -1) ++choices.up;
            if (c.dirY == 1) ++choices.down;
            if (c.dirX == 0 && c.dirY == 0) ++choices.none;
            EXPECT_FALSE(c.dirX != 0 && c.dirY != 0) << "at most one intention";
        }
        return choices;
    }
    static constexpr int Calls = 4000;
    // Five standard deviations of a fraction near one half over Calls draws.
    static constexpr double Tolerance = 0.04;
};

TEST_F(CopsTest, SameRowDumbCopsMoveOnHalfTheCallsSmartCopsAlways) {
    setRows({{5, "1111111111111111"}});
    put(HeroSlot, 10, 4);
    const Choices dumb = steerMany(2, 3, 4, Calls);
    EXPECT_NEAR(dumb.right / double(Calls), 0.5, Tolerance);
    EXPECT_EQ(dumb.right + dumb.none, Calls);

    game->settings.smartCops = 1;
    const Choices smart = steerMany(2, 3, 4, Calls);
    EXPECT_EQ(smart.right, Calls);
}

TEST_F(CopsTest, ASmartCopUnderTheHeroWandersAnEighthOfTheTimeEachWay) {
    game->settings.smartCops = 1;
    setRows({{11, "1111111111111111"}});
    put(HeroSlot, 6, 2);
    const Choices choices = steerMany(2, 6, 10, Calls);
    EXPECT_NEAR(choices.left / double(Calls), 0.125, Tolerance / 2);
    EXPECT_NEAR(choices.right / double(Calls), 0.125, Tolerance / 2);
    EXPECT_NEAR(choices.up / double(Calls), 0.75, Tolerance);
}

TEST_F(CopsTest, DiagonalChoiceIsACoinInBothModes) {
    setRows({{11, "1111111111111111"}});
    put(HeroSlot, 12, 2);
    for (int smart : {0, 1}) {
        game->settings.smartCops = smart;
        const Choices choices = steerMany(2, 4, 10, Calls);
        EXPECT_NEAR(choices.right / double(Calls), 0.5, Tolerance) << "smart " << smart;
        EXPECT_EQ(choices.right + choices.up, Calls);
    }
}

TEST_F(CopsTest, FirstCopFollowsLaddersAndBarsSecondCopDropsTowardsTheHero) {
    setRows({{3, "0003"}, {4, "00034444"}, {5, "1113111111111111"}, {14, "1111111111111111"}});
    put(HeroSlot, 9, 2);
    EXPECT_EQ(steerMany(1, 3, 3, 50).up, 50) << "cop 1 climbs towards the hero's row";
    EXPECT_EQ(steerMany(1, 5, 4, 50).right, 50) << "cop 1 moves along the bar towards him";
    const Choices second = steerMany(2, 3, 3, 400);
    EXPECT_GT(second.right, 100) << "cop 2 has no ladder preference: the coin decides";
    EXPECT_GT(second.up, 100);

    put(HeroSlot, 9, 13);
    EXPECT_EQ(steerMany(2, 3, 2, 50).down, 50) << "cop 2 drops towards a hero below when the cell below is open";
    game->tileMap.set(3, 4, Brick);
    const Choices blocked = steerMany(2, 3, 3, 400);
    EXPECT_GT(blocked.right, 100) << "brick below: the coin decides";
    EXPECT_GT(blocked.down, 100);
}

TEST_F(CopsTest, OnlyASmartFirstCopGivesUpASideStepAboveAHole) {
    setRows({{5, "1111161111111111"}});
    put(HeroSlot, 10, 4);
    game->settings.smartCops = 1;
    const Choices smart = steerMany(1, 4, 4, 200);
    EXPECT_EQ(smart.none, 200) << "same row: no vertical move either";
    const Choices second = steerMany(2, 4, 4, 200);
    EXPECT_EQ(second.right, 200);
    game->settings.smartCops = 0;
    const Choices dumb = steerMany(1, 4, 4, 400);
    EXPECT_GT(dumb.right, 100);
}

TEST_F(CopsTest, AWalledInSmartCopIsSentBackWithASound) {
    setRows({{4, "000001"}, {5, "0000101"}, {6, "000001"}});
    put(HeroSlot, 10, 14);
    game->settings.smartCops = 0;
    put(1, 5, 5);
    steerCop(*game, 1);
    EXPECT_EQ(cop(1).col, 5) << "dumb cops just stay";

    game->settings.smartCops = 1;
    put(1, 5, 5);
    machine.sound.takePlayed();
    steerCop(*game, 1);
    EXPECT_EQ(cop(1).col, 1);
    EXPECT_EQ(cop(1).row, 0);
    EXPECT_EQ(cop(1).x, 64.0);
    EXPECT_EQ(cop(1).y, 50.0);
    EXPECT_EQ(machine.sound.played(), std::vector<int>{4});
}

TEST_F(CopsTest, ACopSentBackTakesOrDropsTheKettleWhereItWasStuck) {
    game->settings.smartCops = 1;
    setRows({{0, "0300"}, {4, "000001"}, {5, "0000151"}, {6, "000001"}});
    put(HeroSlot, 10, 14);
    put(1, 5, 5);
    steerCop(*game, 1);
    EXPECT_EQ(cop(1).row, 0) << "sent back";
    EXPECT_TRUE(game->carrying[1]);
    EXPECT_EQ(game->tileMap.at(5, 5), Empty) << "the kettle it stood on is taken, not copied";
    EXPECT_EQ(game->tileMap.at(1, 0), Ladder);

    game->tileMap.set(5, 5, Empty);
    put(2, 5, 5);
    game->carrying[2] = true;
    machine.random.queue({0.14f});  // the value that drops a kettle
    steerCop(*game, 2);
    EXPECT_EQ(cop(2).row, 0);
    EXPECT_FALSE(game->carrying[2]);
    EXPECT_EQ(game->tileMap.at(5, 5), Kettle) << "dropped in the empty cell it was stuck in";
    EXPECT_EQ(game->tileMap.at(1, 0), Ladder) << "the ladder at the start cell stays a ladder";
}

TEST_F(CopsTest, NoCallDrawsMoreThanThreeNumbers) {
    game->settings.smartCops = 1;
    setRows({{11, "1111111111111111"}});
    put(HeroSlot, 6, 2);
    for (int i = 0; i < 200; ++i) {
        const int before = machine.random.draws();
        put(2, 6, 10);
        steerCop(*game, 2);
        EXPECT_LE(machine.random.draws() - before, 3);
    }
}

}  // namespace
}  // namespace orbo

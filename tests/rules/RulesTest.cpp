// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/core/GameState.h"
#include "game/rules/Cops.h"
#include "game/rules/Progression.h"
#include "tests/support/FakeMachine.h"

// The rules in the few situations the recorded orbo-sim runs of tests/golden
// cannot reach; everything else they show pass for pass.
namespace orbo {
namespace {

class RulesTest : public ::testing::Test, protected test::FakeGame {
protected:
    // Rows by number, one digit per cell from column 0; cells not given stay Empty.
    void setRows(std::initializer_list<std::pair<int, std::string_view>> rows) {
        for (const auto& [row, text] : rows)
            for (int col = 0; col < static_cast<int>(text.size()); ++col)
                game->tileMap.set(col, row, text[static_cast<std::size_t>(col)] - '0');
    }
    // A unit at rest in the cell.
    Unit& put(int slot, int col, int row) {
        Unit& unit = game->units[static_cast<std::size_t>(slot)];
        unit.kind = slot == HeroSlot ? UnitKind::Hero : UnitKind::Cop;
        unit.col = col;
        unit.row = row;
        unit.x = col * 64.0;
        unit.y = row * 50.0;
        return unit;
    }
};

// A smart cop is walled in only away from its start cell when a hole above it
// closes; what it takes or drops then belongs to the cell it was stuck in.
TEST_F(RulesTest, ACopSentBackTakesOrDropsTheKettleWhereItWasStuck) {
    game->settings.smartCops = 1;
    setRows({{0, "0300"}, {4, "000001"}, {5, "0000151"}, {6, "000001"}});
    put(HeroSlot, 10, 14);
    put(1, 5, 5);
    steerCop(*game, 1);
    EXPECT_EQ(game->units[1].row, 0) << "sent back";
    EXPECT_TRUE(game->carrying[1]);
    EXPECT_EQ(game->tileMap.at(5, 5), Empty) << "the kettle it stood on is taken, not copied";
    EXPECT_EQ(game->tileMap.at(1, 0), Ladder);

    game->tileMap.set(5, 5, Empty);
    put(2, 5, 5);
    game->carrying[2] = true;
    machine.random.queue({0.14f});  // the value that drops a kettle
    steerCop(*game, 2);
    EXPECT_EQ(game->units[2].row, 0);
    EXPECT_FALSE(game->carrying[2]);
    EXPECT_EQ(game->tileMap.at(5, 5), Kettle) << "dropped in the empty cell it was stuck in";
    EXPECT_EQ(game->tileMap.at(1, 0), Ladder) << "the ladder at the start cell stays a ladder";
}

// A game left with Esc on a level the folder no longer holds.
TEST_F(RulesTest, ALevelNumberRestoredPastTheCountGoesOnRatherThanWrapping) {
    std::filesystem::create_directories(dir.path() / "Этажи");
    game->session.levelCount = 2;
    game->progress.level = 2;
    advanceLevel(*game);
    EXPECT_EQ(game->progress.level, 3);
    EXPECT_TRUE(game->session.quit) << "level 3 has no file";
}

}  // namespace
}  // namespace orbo

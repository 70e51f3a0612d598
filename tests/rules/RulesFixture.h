#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "game/core/GameState.h"
#include "game/core/Level.h"
#include "game/rules/Movement.h"
#include "game/rules/Progression.h"
#include "tests/support/FakeMachine.h"

namespace orbo {

// Counts the level changes the rules ask to be shown.
struct CountedLevelChanges : LevelChangeView {
    void showLevelChange(Game&) override { ++shown; }
    int shown = 0;
};

// A game on a hand-built grid, its units at rest where a test puts them.
class RulesTest : public ::testing::Test, protected test::FakeGame {
protected:
    RulesTest() {
        game->settings.soundOn = true;
        game->settings.speed = 2;
        game->progress.lives = 10.0f;
    }

    // Rows by number, one digit per cell from column 0; cells not given stay Empty.
    void setRows(std::initializer_list<std::pair<int, std::string_view>> rows) {
        for (const auto& [row, text] : rows)
            for (int col = 0; col < static_cast<int>(text.size()) && col < FieldColumns; ++col)
                game->tileMap.set(col, row, text[static_cast<std::size_t>(col)] - '0');
    }

    Unit& put(int slot, int col, int row) {
        Unit& unit = game->units[static_cast<std::size_t>(slot)];
        unit.kind = slot == HeroSlot ? UnitKind::Hero : UnitKind::Cop;
        unit.col = col;
        unit.row = row;
        unit.x = col * 64.0;
        unit.y = row * 50.0;
        return unit;
    }

    Unit& hero() { return game->units[HeroSlot]; }
    Unit& cop(int slot) { return game->units[static_cast<std::size_t>(slot)]; }

    // Slides every unit until it rests in its cell.
    void glideToRest() {
        for (int tick = 0; tick < 8; ++tick) glideUnits(*game);
    }

    // Steps the hero and lets him glide into his new cell, n times.
    void walk(int steps) {
        for (int i = 0; i < steps; ++i) {
            stepUnit(*game, HeroSlot);
            glideToRest();
        }
    }

    CountedLevelChanges levelChanges;
    ScopedLevelChangeView levelChangesCounted{*game, levelChanges};
};

}  // namespace orbo

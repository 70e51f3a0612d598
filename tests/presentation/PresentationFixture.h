#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/core/GameState.h"
#include "tests/support/FakeMachine.h"

namespace orbo {

// A game on the fake machine, in a program folder of its own; it draws on
// `screen` where one is given, else on the fake display.
class PresentationTest : public ::testing::Test {
protected:
    explicit PresentationTest(Display* screen = nullptr) : fake({}, screen) {
        game.settings.soundOn = true;
        game.progress.lives = 10.0f;
    }

    Unit& put(int slot, double x, double y) {
        Unit& unit = game.units[static_cast<std::size_t>(slot)];
        unit.kind = slot == HeroSlot ? UnitKind::Hero : UnitKind::Cop;
        unit.spriteSet = slot == HeroSlot ? HeroSpriteSet : CopSpriteSet;
        unit.col = static_cast<int>(x / 64);
        unit.row = static_cast<int>(y / 50);
        unit.x = x;
        unit.y = y;
        return unit;
    }

    test::FakeGame fake;
    const TempDir& dir = fake.dir;
    test::FakeMachine& machine = fake.machine;
    Game& game = *fake.game;
};

}  // namespace orbo

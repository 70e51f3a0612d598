#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "game/session/core/GameState.h"
#include "game/session/fakes/Fakes.h"
#include "tests/common/TempDir.h"

namespace orbo {

// A game on the fake machine with the session's cell size, in a program folder of its own.
class PresentationTest : public ::testing::Test {
protected:
    PresentationTest() : machine(dir.path()), game(std::make_unique<Game>(machine.platform)) {
        game->session.cellWidth = 64.0f;
        game->session.cellHeight = 50.0f;
        game->settings.soundOn = true;
        game->progress.lives = 10.0f;
    }

    // Every frame of sets 0 to 8 as a fake picture named "set:frame".
    void fillSpriteSets() {
        for (int set = 0; set <= 8; ++set)
            for (int frame = 0; frame < 18; ++frame)
                game->spriteSets[static_cast<std::size_t>(set)].frames[static_cast<std::size_t>(frame)] =
                    std::make_shared<fake::Surface>(64, 50, name(set, frame));
    }
    static std::string name(int set, int frame) { return std::to_string(set) + ":" + std::to_string(frame); }

    Unit& put(int slot, double x, double y) {
        Unit& unit = game->units[static_cast<std::size_t>(slot)];
        unit.name = slot == HeroSlot ? HeroName : CopName;
        unit.spriteSet = slot == HeroSlot ? HeroSpriteSet : CopSpriteSet;
        unit.col = static_cast<int>(x / 64);
        unit.row = static_cast<int>(y / 50);
        unit.x = x;
        unit.y = y;
        return unit;
    }

    void writeLevel(int number, const std::string& rows) {
        std::filesystem::create_directories(dir.path() / "Этажи");
        std::ofstream(dir.path() / "Этажи" / ("Orbo" + std::to_string(number) + ".orb"), std::ios::binary) << rows;
    }

    TempDir dir;
    fake::Machine machine;
    std::unique_ptr<Game> game;
};

}  // namespace orbo

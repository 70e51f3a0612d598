// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/session/Keyboard.h"

#include "game/core/ScanCodes.h"
#include "game/presentation/Presentation.h"
#include "game/rules/Pickups.h"
#include "game/rules/Progression.h"
#include "game/rules/Shots.h"

namespace orbo {
namespace {

constexpr std::uint32_t NewHeroWaitMs = 1000;

enum class Scan { Continue, Stop };

void steerHero(Game& game, int dirX, int dirY) {
    Unit& hero = game.units[HeroSlot];
    hero.dirX = dirX;
    hero.dirY = dirY;
}

Scan runCommand(Game& game, int key, KeyOverlays& overlays) {
    switch (key) {
        case ScanCode::Left: steerHero(game, -1, 0); return Scan::Stop;
        case ScanCode::Right: steerHero(game, 1, 0); return Scan::Stop;
        case ScanCode::Up: steerHero(game, 0, -1); return Scan::Stop;
        case ScanCode::Down: steerHero(game, 0, 1); return Scan::Stop;
        case ScanCode::F: overlays.frameRate = true; return Scan::Continue;
        case ScanCode::Equals: advanceLevel(game); return Scan::Stop;
        case ScanCode::R:
            game.platform.clock.sleep(NewHeroWaitMs);
            loseLife(game);
            return Scan::Stop;
        case ScanCode::P: game.session.paused = true; return Scan::Continue;
        case ScanCode::F1: overlays.help = true; return Scan::Continue;
        case ScanCode::Q: shoot(game, ShotDirection::Left); return Scan::Stop;
        case ScanCode::W: shoot(game, ShotDirection::Right); return Scan::Stop;
        default: return Scan::Continue;
    }
}

}  // namespace

void saveAndLeave(Game& game) {
    GameProgress& progress = game.progress;
    progress.savedLives = progress.lives;
    progress.savedScore = progress.score;
    progress.savedLevel = progress.level;
    progress.canContinue = true;
    game.session.quit = true;
}

KeyOverlays handleKeyboard(Game& game) {
    KeyOverlays overlays;
    KeyState keys{};
    // A keyboard that cannot say what is held gives no commands this pass.
    if (!game.platform.keyboard.readState(keys)) return overlays;

    for (int key = 0; key < static_cast<int>(keys.size()); ++key) {
        if (keys[static_cast<std::size_t>(key)] == 0) continue;
        if (key == ScanCode::Escape) saveAndLeave(game);
        if (game.session.paused && key != 0 && key != ScanCode::P) game.session.paused = false;
        if (runCommand(game, key, overlays) == Scan::Stop) break;
    }
    return overlays;
}

void drawKeyOverlays(Game& game, const KeyOverlays& overlays) {
    if (overlays.frameRate) drawFrameRate(game);
    if (overlays.help) drawHelp(game);
}

}  // namespace orbo

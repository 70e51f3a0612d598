// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/StartLevel.h"

#include "game/core/Level.h"
#include "game/rules/Progression.h"

namespace orbo::sim {

bool startAtLevel(Game& game, int level) {
    GameProgress& progress = game.progress;
    progress.canContinue = false;
    if (level == 0) return true;
    game.session.quit = false;
    progress.level = level;
    loadLevel(game);
    if (game.session.quit) return false;
    placeUnits(game);
    progress.savedScore = 0;
    progress.savedLives = LivesAtStart;
    progress.savedLevel = level;
    progress.canContinue = true;
    return true;
}

}  // namespace orbo::sim

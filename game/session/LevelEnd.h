// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"
#include "game/session/Session.h"

namespace orbo {

// How a game on one level file ended, told from the pass that ended it and
// the progress as that pass began.
LevelEnd levelEndAfterPass(const Game& game, const GameProgress& before);

// Says on the play screen how the level ended, over the field as it stands,
// for two seconds or until a key is pressed. False when the screen could not
// show it (a lost screen, already reported).
bool showLevelEnd(Game& game, LevelEnd end);

}  // namespace orbo

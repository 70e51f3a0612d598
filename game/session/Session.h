// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "game/core/GameState.h"

namespace orbo {

// Runs one whole play session, a new game or the saved one, and returns when it
// is over. The caller sets canContinue and the settings beforehand.
void playSession(Game& game);

// How a game on one level file alone ended.
enum class LevelEnd {
    NotPlayed,   // the file could not be read or the screen not set up: that has been reported
    ScreenLost,  // the screen was lost during play: that has been reported
    Cleared,
    LivesLost,
    Left,     // with Esc
    Skipped,  // with =
};

// A new game on one level file alone, as a level designer tries a level: the
// level folder is neither counted nor read, and clearing the level, losing the
// last life, skipping it or leaving it ends the session, once the play screen
// has said which. The caller sets the settings beforehand.
LevelEnd playLevelFile(Game& game, const std::filesystem::path& file);

}  // namespace orbo

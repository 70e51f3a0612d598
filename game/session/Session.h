#pragma once

#include <filesystem>

#include "game/core/GameState.h"

namespace orbo {

// Runs one whole play session, a new game or the saved one, and returns when it
// is over. The caller sets canContinue and the settings beforehand.
void playSession(Game& game);

// A new game on one level file alone, as a level designer tries a level: the
// level folder is neither counted nor read, and clearing the level, skipping it
// or leaving it ends the session. The caller sets the settings beforehand.
void playLevelFile(Game& game, const std::filesystem::path& file);

}  // namespace orbo

#pragma once

#include <filesystem>

#include "game/core/GameState.h"

namespace orbo {

inline constexpr const char* FileNotFoundText = "Фаил не найден ";
inline constexpr const char* PathNotFoundText = "Путь не найден ";

// A program-relative path such as графика/Коп.bmp as a real path.
std::filesystem::path programPath(const Game& game, const std::filesystem::path& relative);

// Reads the file of level `level` (or the session's own level file) into the
// grid, or reports it missing and ends the session.
void loadLevel(Game& game);

// The hero and both cops back on their start cells.
void placeUnits(Game& game);

// A cop back on its start cell; its picture starts a row below and glides up
// into the cell before the cop's next step.
void sendCopBack(Game& game, int cop);

// After the hero took a kettle: with none left on the field or carried, scores
// the level and moves on to the next one. True when it did.
bool checkLevelCleared(Game& game);

void advanceLevel(Game& game);
void scrollToNextLevel(Game& game);

}  // namespace orbo

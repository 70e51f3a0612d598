// SPDX-License-Identifier: GPL-3.0-or-later
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

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>

#include "game/core/GameState.h"

namespace orbo {

inline constexpr const char* UnreadableFileText = "Не удаётся прочитать файл ";
inline constexpr const char* PictureTooLargeText = "Рисунок больше экрана ";

// The picture at width x height with black transparent. A missing or unreadable
// file, or one larger than the screen, is reported, ends the session and gives null.
std::unique_ptr<Surface> loadPicture(Game& game, int width, int height, const std::filesystem::path& relative);

}  // namespace orbo

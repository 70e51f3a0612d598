// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace orbo {

// The editor's block pictures, read once at start-up from the graphics folder
// beside the program, indexed by tile code (Empty 0 to Kettle 5). Bricks and
// kettles have reduced pictures of their own; the rest are the game's.
inline constexpr std::array<const char*, 6> BlockPictureFiles = {
    "пустота.bmp", "Кирпичиsm.bmp", "Зелень.bmp", "Лестница.bmp", "Перекладина.bmp", "Чайникsm.bmp",
};

}  // namespace orbo

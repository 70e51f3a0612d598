// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace orbo {

// The player's own level folder, where a save goes when the program's folder
// takes none (a system install): $XDG_DATA_HOME/orbo/Этажи, or
// ~/.local/share/orbo/Этажи. Empty when neither variable names an absolute folder.
std::filesystem::path userLevelFolder();

}  // namespace orbo

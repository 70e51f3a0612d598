// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QStringList>
#include <array>
#include <filesystem>

#include "editor/BlockPictures.h"

namespace orbo {

struct LoadedBlockPictures {
    // Indexed by tile code, each the size of one cell; black where a file failed.
    std::array<QPixmap, BlockPictureFiles.size()> pictures;
    // One line for the player per picture that failed, naming the file and why.
    QStringList problems;
};

LoadedBlockPictures loadBlockPictures(const std::filesystem::path& programFolder);

}  // namespace orbo

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
    // The full paths of the files that could not be read.
    QStringList missing;
};

LoadedBlockPictures loadBlockPictures(const std::filesystem::path& programFolder);

}  // namespace orbo

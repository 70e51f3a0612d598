// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <vector>

namespace orbo {

// One picture file of the sprite sets and the frames it fills: a kettle picture
// serves two animation steps.
struct SpriteFile {
    int set;
    int firstSlot;
    int slots;
    std::filesystem::path name;  // program-relative, e.g. графика/Коп3.bmp
};

// Every sprite picture in the order the session loads them.
std::vector<SpriteFile> spriteFiles();

// Every picture the play session reads (the title and all sprite frames), as
// program-relative names.
std::vector<std::filesystem::path> spritePictureNames();

}  // namespace orbo

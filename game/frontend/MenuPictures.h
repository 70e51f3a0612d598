// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/ProgramFiles.h"

// The names of every picture the main menu and the options dialog read or write,
// relative to the program's folder. Kept free of Qt so that the asset build can
// check them without linking the menu.
namespace orbo::menu_pictures {

inline std::filesystem::path splashJpeg() { return program_files::graphicsFolder() / "заставка.jpg"; }
inline std::filesystem::path splashBmp() { return program_files::graphicsFolder() / "заставка.bmp"; }

// The figures, read from disk on every timer tick, named inside the graphics folder.
inline constexpr const char* HeroFigure = "снеговик.bmp";
inline constexpr const char* HeroFigure1 = "снеговик1.bmp";
inline constexpr const char* CopFigure = "коп.bmp";
inline constexpr const char* CopFigure1 = "коп1.bmp";

inline std::filesystem::path figurePicture(const char* figure) { return program_files::graphicsFolder() / figure; }

// Kettle frames 0, 2, ..., 100: 51 pictures.
inline constexpr int KettleFrameLast = 100;
inline constexpr int KettleFrameStep = 2;

// Графика/Чайник0042.jpg for frame 42 and extension ".jpg".
inline std::filesystem::path kettleFrame(int frame, const char* extension) {
    std::string digits = std::to_string(frame);
    digits.insert(0, digits.size() < 4 ? 4 - digits.size() : 0, '0');
    return program_files::capitalisedGraphicsFolder() / ("Чайник" + digits + extension);
}

// One JPEG the menu turns into the BMP file the game's display reads.
struct Conversion {
    std::filesystem::path jpeg;
    std::filesystem::path bmp;
};

// The splash first, then the kettle frames in ascending order.
inline std::vector<Conversion> conversions() {
    std::vector<Conversion> list{{splashJpeg(), splashBmp()}};
    for (int frame = 0; frame <= KettleFrameLast; frame += KettleFrameStep)
        list.push_back({kettleFrame(frame, ".jpg"), kettleFrame(frame, ".bmp")});
    return list;
}

// Every picture that has to ship beside the program: the JPEG sources and the figures.
inline std::vector<std::filesystem::path> shippedPictures() {
    std::vector<std::filesystem::path> names;
    for (const Conversion& conversion : conversions()) names.push_back(conversion.jpeg);
    for (const char* figure : {HeroFigure, HeroFigure1, CopFigure, CopFigure1}) names.push_back(figurePicture(figure));
    return names;
}

// Every picture the menu writes at start-up.
inline std::vector<std::filesystem::path> writtenPictures() {
    std::vector<std::filesystem::path> names;
    for (const Conversion& conversion : conversions()) names.push_back(conversion.bmp);
    return names;
}

}  // namespace orbo::menu_pictures

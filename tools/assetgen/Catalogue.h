// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <vector>

namespace orbo::assetgen {

// One picture file of the graphics folder, as the programs name it.
struct PictureFile {
    QString name;
    QImage image;
    // The menu converts JPEG sources into BMP files of the same base name; the
    // BMP form is written too, so the game runs before the menu ever has.
    QString bmpForm;
};

// Every picture the game, its menu and the editor read, finished and named.
std::vector<PictureFile> allPictures();

// Writes the graphics and sound folders below programFolder; returns the pictures written.
std::vector<PictureFile> writeAll(const std::filesystem::path& programFolder);

// A PNG of every sprite as written below programFolder (the BMP a JPEG source
// turns into), at twice its size, with transparent pixels as a checkerboard.
void saveContactSheet(const std::vector<PictureFile>& pictures, const std::filesystem::path& programFolder,
                      const std::filesystem::path& sheet);

}  // namespace orbo::assetgen

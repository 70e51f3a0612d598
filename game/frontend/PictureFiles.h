// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace orbo {

inline constexpr const char* PictureUnreadableText = "Не удалось прочитать рисунок ";
inline constexpr const char* PictureUnwritableText = "Не удалось записать рисунок ";
inline constexpr const char* PictureTooLargeText = "Рисунок больше экрана ";

QString qtPath(const std::filesystem::path& path);

// The picture in the file, read afresh on every call; null when the file is
// missing, cannot be decoded or declares a size larger than the screen.
QImage readPicture(const std::filesystem::path& file);

struct MenuPictureLoad {
    QImage splash;         // null when it could not be read
    QStringList problems;  // one line for the player per picture that failed
};

// Turns the splash and the kettle frames from JPEG into the BMP files the game's
// display reads, replacing the old ones. A failure costs only that picture; a BMP
// that cannot be written but is already there (a read-only install) is used as is.
MenuPictureLoad prepareMenuPictures(const std::filesystem::path& programDir);

// The problems for the player: a few one a line; many as a count, then, after a
// blank line, the list (which a message box shows behind its details button).
QString pictureProblemsMessage(const QStringList& problems);

}  // namespace orbo

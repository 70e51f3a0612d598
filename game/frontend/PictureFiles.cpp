// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/PictureFiles.h"

#include <QImageReader>
#include <QSaveFile>
#include <system_error>
#include <utility>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/formats/PictureHeader.h"
#include "game/core/Level.h"
#include "game/frontend/MenuPictures.h"

namespace orbo {
namespace {

// Writes the picture as a BMP file in one piece: a failed write leaves any old
// file of that name as it was.
bool writeBmp(const QImage& picture, const std::filesystem::path& file) {
    QSaveFile out(qtPath(file));
    if (!out.open(QIODevice::WriteOnly)) return false;
    // Plain 24-bit pixels, which every BMP reader understands. The flush writes
    // the last buffered bytes: commit() alone would take a failed final write for
    // success and leave a cut-off file behind.
    if (!picture.convertToFormat(QImage::Format_RGB32).save(&out, "BMP") || !out.flush()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace

QString qtPath(const std::filesystem::path& path) { return QString::fromStdString(displayPath(path)); }

QImage readPicture(const std::filesystem::path& file) {
    if (checkPictureFile(file) != PictureCheck::Fits) return {};
    QImageReader reader(qtPath(file));
    return reader.read();
}

MenuPictureLoad prepareMenuPictures(const std::filesystem::path& programDir) {
    MenuPictureLoad load;
    std::error_code error;
    const auto folder = resolveProgramPath(programDir, program_files::graphicsFolder());
    // One line for a missing folder rather than one for each of its 52 pictures.
    if (!std::filesystem::is_directory(folder, error)) {
        load.problems << QString::fromUtf8(PathNotFoundText) + qtPath(folder);
        return load;
    }
    bool first = true;
    for (const auto& conversion : menu_pictures::conversions()) {
        const bool isSplash = std::exchange(first, false);
        const auto jpeg = resolveProgramPath(programDir, conversion.jpeg);
        const QImage picture = readPicture(jpeg);
        if (picture.isNull()) {
            const bool there = std::filesystem::exists(jpeg, error);
            const char* text = !there                                             ? FileNotFoundText
                               : checkPictureFile(jpeg) == PictureCheck::TooLarge ? PictureTooLargeText
                                                                                  : PictureUnreadableText;
            load.problems << QString::fromUtf8(text) + qtPath(jpeg);
            continue;
        }
        if (isSplash) load.splash = picture;
        const auto bmp = resolveProgramPath(programDir, conversion.bmp);
        if (!writeBmp(picture, bmp) && !std::filesystem::is_regular_file(bmp, error)) {
            load.problems << QString::fromUtf8(PictureUnwritableText) + qtPath(bmp);
        }
    }
    return load;
}

QString pictureProblemsMessage(const QStringList& problems) {
    constexpr qsizetype MostListed = 5;
    QString list = problems.join(QLatin1Char('\n'));
    if (problems.size() <= MostListed) return list;
    return QStringLiteral("Не удалось подготовить рисунков: %1. Игра пойдёт без них.").arg(problems.size()) +
           QStringLiteral("\n\n") + list;
}

}  // namespace orbo

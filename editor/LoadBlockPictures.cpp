// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LoadBlockPictures.h"

#include <system_error>

#include "common/ProgramFiles.h"
#include "common/formats/PictureHeader.h"

#include "editor/FieldView.h"
#include "editor/PathText.h"

namespace orbo {

LoadedBlockPictures loadBlockPictures(const std::filesystem::path& programFolder) {
    LoadedBlockPictures loaded;
    const QSize cellSize(FieldView::CellWidth, FieldView::CellHeight);
    for (std::size_t code = 0; code < BlockPictureFiles.size(); ++code) {
        const auto path = resolveProgramPath(programFolder, program_files::graphicsFolder() / BlockPictureFiles[code]);
        const QString file = toQString(path);
        // The header first: a picture claiming more than the screen is never decoded.
        const PictureCheck check = checkPictureFile(path);
        QPixmap picture;
        if (check == PictureCheck::Fits && picture.load(file)) {
            // Pictures of any size fill exactly one cell of the fixed pitch.
            loaded.pictures[code] = picture.scaled(cellSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else {
            loaded.pictures[code] = QPixmap(cellSize);
            loaded.pictures[code].fill(Qt::black);
            std::error_code error;
            const char* text = !std::filesystem::exists(path, error) ? "Фаил не найден "
                               : check == PictureCheck::TooLarge     ? "Рисунок больше экрана "
                                                                 : "Не удаётся прочитать файл ";
            loaded.problems << QString::fromUtf8(text) + file;
        }
    }
    return loaded;
}

}  // namespace orbo

#include "editor/LoadBlockPictures.h"

#include <string>

#include "editor/FieldView.h"
#include "editor/PathText.h"

namespace orbo {

LoadedBlockPictures loadBlockPictures(const std::filesystem::path& programFolder) {
    LoadedBlockPictures loaded;
    const QSize cellSize(FieldView::CellWidth, FieldView::CellHeight);
    for (std::size_t code = 0; code < BlockPictureFiles.size(); ++code) {
        const std::string relative = std::string(GraphicsFolder) + "/" + BlockPictureFiles[code];
        const QString file = toQString(resolveProgramPath(programFolder, relative));
        QPixmap picture;
        if (picture.load(file)) {
            // Pictures of any size fill exactly one cell of the fixed pitch.
            loaded.pictures[code] = picture.scaled(cellSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else {
            loaded.pictures[code] = QPixmap(cellSize);
            loaded.pictures[code].fill(Qt::black);
            loaded.missing << file;
        }
    }
    return loaded;
}

}  // namespace orbo

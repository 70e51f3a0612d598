#include "editor/TrialLevels.h"

#include <QFile>
#include <string>

#include "common/formats/LevelFile.h"
#include "editor/PathText.h"

namespace orbo {

std::optional<std::filesystem::path> TrialLevels::write(const EditorGrid& grid) {
    if (!folder_) folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        folder_.reset();
        return std::nullopt;
    }
    // A fresh name each time: a game still starting reads the level it was given.
    ++written_;
    const QString name = folder_->filePath(QStringLiteral("Проба%1.orb").arg(written_));
    const std::string text = formatLevel(grid);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return std::nullopt;
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.flush()) {
        file.remove();
        return std::nullopt;
    }
    return toPath(name);
}

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SaveFolders.h"

#include <unistd.h>

#include <QStringList>
#include <system_error>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/formats/LevelFile.h"
#include "editor/PathText.h"

namespace orbo {
namespace {

// After a failure the system's reason (read-only, disk full...) follows on a line of its own.
QString failureText(const std::filesystem::path& path, const std::string& reason) {
    return QStringLiteral("Путь не найден ") + toQString(path) + u'\n' + QString::fromStdString(reason);
}

std::filesystem::path programLevelFolder(const std::filesystem::path& programFolder) {
    return resolveProgramPath(programFolder, program_files::lowerCaseLevelFolder());
}

}  // namespace

SaveOutcome saveIntoLevelFolders(const std::filesystem::path& programFolder, const std::filesystem::path& ownFolder,
                                 const EditorGrid& grid) {
    SaveResult result = saveEditorLevel(programLevelFolder(programFolder), grid);
    QStringList failures;
    if (!result.saved) failures << failureText(result.path, result.reason);
    if (!result.saved && !ownFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(ownFolder, error);
        // A folder that cannot be made is named with its own reason, not as missing.
        if (error) {
            failures << failureText(ownFolder, error.message());
        } else {
            result = saveEditorLevel(ownFolder, grid);
            if (!result.saved) failures << failureText(result.path, result.reason);
        }
    }
    if (!result.saved) return {{}, failures.join(u'\n')};
    return {result.path, QStringLiteral("Этаж сохранен, под именем ") + toQString(result.path)};
}

std::filesystem::path openStartFolder(const std::filesystem::path& lastSave, const std::filesystem::path& programFolder,
                                      const std::filesystem::path& ownFolder) {
    if (!lastSave.empty()) return lastSave.parent_path();
    std::error_code error;
    const bool programTakesSaves = ::access(programLevelFolder(programFolder).c_str(), W_OK | X_OK) == 0;
    if (!programTakesSaves && !ownFolder.empty() && std::filesystem::is_directory(ownFolder, error)) return ownFolder;
    return programFolder;
}

}  // namespace orbo

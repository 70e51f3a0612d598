// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>

#include "common/Grids.h"

namespace orbo {

struct SaveOutcome {
    // The file written; empty when nothing was saved.
    std::filesystem::path saved;
    // What to tell the user: the file's name, or every folder tried and why it failed.
    QString message;
};

// Into the program's level folder or, where that takes nothing (a system
// install is read-only), into the player's own folder, made when needed.
// ownFolder may be empty: the player has none.
SaveOutcome saveIntoLevelFolders(const std::filesystem::path& programFolder, const std::filesystem::path& ownFolder,
                                 const EditorGrid& grid);

// Where the open dialog starts: where the last save went (empty: none yet),
// else where a save would go, the program's folder or, where its level folder
// takes no saves, the player's own level folder, once that exists.
std::filesystem::path openStartFolder(const std::filesystem::path& lastSave, const std::filesystem::path& programFolder,
                                      const std::filesystem::path& ownFolder);

}  // namespace orbo

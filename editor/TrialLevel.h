// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "common/Grids.h"
#include "common/UniqueFd.h"

namespace orbo {

// A level written only to be played at once from the editor, as a file with
// no name in a temporary folder: the game is handed the open file itself, so
// it stays readable for the game whatever the editor does after starting it,
// and nothing is left on disk when either program ends, however it ends.
struct TrialLevel {
    UniqueFd file;
    // When no file could be written: every folder tried, and why it failed.
    QString failure;
};

// Where trial levels go: $TMPDIR when it names an absolute folder, then the
// standard temporary folder.
std::vector<std::filesystem::path> trialFolders();

// The grid in the first of the folders that takes it.
TrialLevel writeTrialLevel(const EditorGrid& grid, const std::vector<std::filesystem::path>& folders = trialFolders());

// Starts the game program on the level, beside the editor and on its own: the
// game outlives the editor. Its process id, or nothing when it did not start.
std::optional<qint64> startGameOn(const TrialLevel& level, const std::filesystem::path& game,
                                  const std::filesystem::path& workFolder);

}  // namespace orbo

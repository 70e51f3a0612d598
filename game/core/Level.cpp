// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/Level.h"

#include "common/Paths.h"
#include "common/ProgramFiles.h"

namespace orbo {

std::filesystem::path programPath(const Game& game, const std::filesystem::path& relative) {
    return resolveProgramPath(game.platform.programDir, relative);
}

void loadLevel(Game& game) {
    const auto file = game.session.levelFile.empty() ? programPath(game, program_files::levelFile(game.progress.level))
                                                     : game.session.levelFile;
    const auto rows = game.platform.levels.read(file);
    if (!rows) {
        game.platform.messages.show(FileNotFoundText + displayPath(file), MessageIcon::Critical);
        game.session.quit = true;
        return;
    }
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = (*rows)[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            // Codes past Kettle cannot be drawn or refilled: the game plays them as Empty.
            game.tileMap.set(col, row, code <= Kettle ? code : Empty);
        }
    }
    for (int cop = FirstCopSlot; cop <= LastCopSlot; ++cop) game.carrying[static_cast<std::size_t>(cop)] = false;
    for (auto& hole : game.holeTable) hole.openedAt = 0;
}

}  // namespace orbo

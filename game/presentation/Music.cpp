// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ProgramFiles.h"
#include "game/core/Level.h"
#include "game/presentation/Presentation.h"

namespace orbo {

void initMusic(Game& game) { game.platform.music.init(); }

void playMusic(Game& game, const std::filesystem::path& name) {
    if (game.session.tuneRefused) return;
    game.platform.music.play(programPath(game, program_files::soundFolder() / name));
}

void stopMusic(Game& game) { game.platform.music.stop(); }

}  // namespace orbo

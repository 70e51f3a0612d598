#include "game/presentation/Music.h"

#include <string>

#include "game/presentation/Presentation.h"
#include "game/core/Level.h"

namespace orbo {

void initMusic(Game& game) { game.platform.music.init(); }

void playMusic(Game& game, std::string_view name) {
    if (game.session.tuneRefused) return;
    game.platform.music.play(programPath(game, SoundFolder + std::string(name)));
}

void stopMusic(Game& game) { game.platform.music.stop(); }

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>

#include "common/ProgramFiles.h"
#include "game/core/Effects.h"
#include "game/core/Level.h"
#include "game/core/ScreenSize.h"
#include "game/presentation/Pictures.h"
#include "game/presentation/Presentation.h"

namespace orbo {
namespace {

constexpr const char* NoSoundCardText = "Звуковая карта используется или отсутствует. Игра будет без звука.";

}  // namespace

bool openPlayScreen(Game& game) {
    Platform& platform = game.platform;
    // Told before the screen goes full screen, so the player can read it.
    if (!platform.sound.open()) {
        platform.messages.show(NoSoundCardText, MessageIcon::None);
        game.settings.soundOn = false;
    }
    const auto effects = program_files::effectFiles();
    for (std::size_t slot = 0; slot < effects.size(); ++slot)
        platform.sound.load(static_cast<int>(slot), programPath(game, effects[slot]));
    checkSoundFiles(game);
    if (!platform.display.open()) {
        platform.messages.show(platform.display.lastError(), MessageIcon::Critical);
        game.session.quit = true;
        return false;
    }
    return true;
}

void closePlayScreen(Game& game) {
    game.platform.display.close();
    game.platform.sound.close();
}

bool flipScreen(Game& game) {
    Display& display = game.platform.display;
    if (display.flip()) return true;
    if (!game.session.quit) game.platform.messages.show(display.lastError(), MessageIcon::Critical);
    game.session.quit = true;
    return false;
}

bool showTitle(Game& game) {
    const auto title = loadPicture(game, ScreenWidth, ScreenHeight, program_files::titlePicture());
    if (!title) return false;
    Display& display = game.platform.display;
    display.clearBackBuffer();
    display.drawSprite(0, 0, *title, makeRect(0, 0, ScreenWidth, ScreenHeight));
    return flipScreen(game);
}

}  // namespace orbo

#include "game/core/Screen.h"

namespace orbo {

bool flipScreen(Game& game) {
    Display& display = game.platform.display;
    if (display.flip()) return true;
    if (!game.session.quit) game.platform.messages.show(display.lastError(), MessageIcon::Critical);
    game.session.quit = true;
    return false;
}

}  // namespace orbo

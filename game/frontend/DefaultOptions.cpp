// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/DefaultOptions.h"

namespace orbo {

void applyDefaultOptions(GameSettings& settings) {
    settings.musicOn = false;
    settings.soundOn = true;
    settings.smartCops = false;
    settings.speed = 2;
}

}  // namespace orbo

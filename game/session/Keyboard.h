// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

namespace orbo {

// What the keys held in a pass ask to have drawn over its frame.
struct KeyOverlays {
    bool frameRate = false;
    bool help = false;
};

// What Esc does: keeps the game to be continued from the menu and ends the session.
void saveAndLeave(Game& game);

// Reads the keyboard once and carries out the commands of the keys held down,
// in scan-code order until a key that ends the scan; returns the overlays that
// the keys the scan reached ask for.
KeyOverlays handleKeyboard(Game& game);

// Draws the overlays in the key scan's order (F before F1), over the frame.
void drawKeyOverlays(Game& game, const KeyOverlays& overlays);

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "game/core/Platform.h"

namespace orbo {

// A play session's message in a Qt message box, for when SDL has no way to show
// one (no dialog helper, no X fonts): the player reads it all the same. It
// carries the play screen's caption and stays above the play screen.
void showSessionMessage(std::string_view text, MessageIcon icon);

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orbo {

// The play screen the game composes, whatever the size of the monitor it is shown on.
constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "game/platform/RealPlatform.h"

namespace orbo {

// orbo --replay FILE: a recording, or an orbo-sim script, played on the real
// play screen at its recorded pace, with its sound and music, marked "Повтор".
// + and - change the pace, Esc stops it. A file that cannot be played is
// named in a message; the answer is the program's exit status.
int replayOnScreen(sdl::RealPlatform& machine, const std::filesystem::path& file);

}  // namespace orbo

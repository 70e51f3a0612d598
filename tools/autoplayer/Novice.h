// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "tools/autoplayer/Playfield.h"

// A weaker player than the planner, to measure how dangerous a level is for a
// person: it looks only a couple of moves ahead and cannot foresee the cops'
// coin tosses, where the planner tries every future of the real game.
namespace orbo::autoplay {

struct NoviceOptions {
    int lookAhead = 2;      // moves
    int maxPasses = 15000;  // then it gives up
};

// How the novice's game went.
struct NoviceGame {
    bool cleared = false;
    int passes = 0;
    int livesLost = 0;
    int closeCalls = 0;
    bool operator==(const NoviceGame&) const = default;
};

NoviceGame playAsNovice(const PlayOptions& options, const NoviceOptions& novice = {});

}  // namespace orbo::autoplay

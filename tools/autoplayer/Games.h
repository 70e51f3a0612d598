// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "tools/autoplayer/Novice.h"
#include "tools/autoplayer/Planner.h"
#include "tools/autoplayer/Table.h"

// The games the automatic player plays for a level, each told on stderr as it ends.
namespace orbo::autoplay {

// Games the weaker player plays with each kind of cops, for a steady figure.
inline constexpr int NoviceGames = 8;

// Plans with a wider beam where a narrow one finds nothing, and keeps only a
// plan that orbo-sim's simulation confirms.
Plan planLevel(const PlayOptions& play, int width);

// A plan to record, with the options it was made with.
struct Recorded {
    PlayOptions play;
    Plan plan;
};

// That of the first seed, from play.seed on, whose game the planner wins.
Recorded recordedPlan(PlayOptions play, int width);

// The weaker player's games with the seeds from play.seed on.
std::vector<NoviceGame> noviceGames(PlayOptions play, int games);

// The planner's games over the seeds from play.seed on (a recorded plan of the
// same seed counts as one), and the weaker player's, with both kinds of cops.
LevelFigures measure(PlayOptions play, int seeds, int width, const std::vector<Recorded>& recorded);

}  // namespace orbo::autoplay

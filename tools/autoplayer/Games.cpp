// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Games.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "tools/autoplayer/Replay.h"

namespace orbo::autoplay {
namespace {

// Seeds tried in turn for a level's recorded plan: some let a cop keep a kettle
// for good, and another seed is as fair a game.
constexpr int SeedTries = 4;
// A failed search is tried again with a beam this many times as wide, up to SearchAttempts in all.
constexpr int Widening = 3;
constexpr int SearchAttempts = 3;

const char* copsName(const PlayOptions& play) { return play.smartCops ? "smart" : "dumb"; }

}  // namespace

Plan planLevel(const PlayOptions& play, int width) {
    for (int attempt = 0; attempt < SearchAttempts; ++attempt, width *= Widening) {
        const auto started = std::chrono::steady_clock::now();
        Plan plan = findPlan(play, SearchOptions{width});
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::fprintf(stderr, "level %d %s seed %u width %d: %s in %.1f s", play.level, copsName(play), play.seed, width,
                     plan.cleared ? "cleared" : "not cleared", seconds);
        if (!plan.cleared)
            std::fprintf(
                stderr, " (best try: %d kettles left, %d of them carried by cops, %d lives lost after %d moves)",
                plan.figures.kettlesLeft, plan.figures.kettlesCarried, plan.figures.livesLost, plan.figures.moves);
        std::fputc('\n', stderr);
        if (!plan.cleared) continue;
        const auto outcome = playScript(play, replayText(play, plan));
        if (outcome && keepsPromise(plan, *outcome)) return plan;
        std::fprintf(stderr, "level %d: orbo-sim did not confirm the plan\n", play.level);
        return {};
    }
    return {};
}

Recorded recordedPlan(PlayOptions play, int width) {
    const std::uint32_t first = play.seed;
    for (int attempt = 0; attempt < SeedTries; ++attempt) {
        play.seed = first + static_cast<std::uint32_t>(attempt);
        Plan plan = planLevel(play, width);
        if (plan.cleared) return {play, std::move(plan)};
    }
    play.seed = first;
    return {play, {}};
}

std::vector<NoviceGame> noviceGames(PlayOptions play, int games) {
    std::vector<NoviceGame> played;
    for (int game = 0; game < games; ++game, ++play.seed) {
        played.push_back(playAsNovice(play));
        const NoviceGame& last = played.back();
        std::fprintf(stderr, "level %d %s seed %u, weaker player: %s after %d passes, %d lives lost, %d close calls\n",
                     play.level, copsName(play), play.seed, last.cleared ? "cleared" : "not cleared", last.passes,
                     last.livesLost, last.closeCalls);
    }
    return played;
}

LevelFigures measure(PlayOptions play, int seeds, int width, const std::vector<Recorded>& recorded) {
    LevelFigures figures{play.level, {}, {}, {}, {}, {}};
    const std::uint32_t first = play.seed;
    for (const bool smart : {false, true}) {
        play.smartCops = smart;
        std::vector<Plan>& plans = smart ? figures.smart : figures.dumb;
        for (int seed = 0; seed < seeds; ++seed) {
            play.seed = first + static_cast<std::uint32_t>(seed);
            const auto same = std::find_if(recorded.begin(), recorded.end(), [&](const Recorded& kept) {
                return kept.play.smartCops == smart && kept.play.seed == play.seed && kept.plan.cleared;
            });
            plans.push_back(same != recorded.end() ? same->plan : planLevel(play, width));
        }
        play.seed = first;
        (smart ? figures.noviceSmart : figures.noviceDumb) = noviceGames(play, NoviceGames);
    }
    return figures;
}

}  // namespace orbo::autoplay

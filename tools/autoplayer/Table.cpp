// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Table.h"

#include <algorithm>
#include <fstream>
#include <iomanip>
#include <sstream>

namespace orbo::autoplay {
namespace {

// The danger of one game of the weaker player: points for every life lost,
// for a level not cleared, and one for every close call.
constexpr int LifePoints = 10;
constexpr int FailurePoints = 30;
constexpr double SecondsPerPass = 0.016;

struct PlannerSummary {
    int cleared = 0;
    int passes = 0;  // mean over the cleared plans
    int livesLost = 0;
    int holesDug = 0;
    int closestCall = 99;
};

PlannerSummary summarise(const std::vector<Plan>& plans) {
    PlannerSummary summary;
    int passes = 0;
    for (const Plan& plan : plans) {
        if (!plan.cleared) continue;
        ++summary.cleared;
        passes += plan.figures.passes;
        summary.livesLost += plan.figures.livesLost;
        summary.holesDug = std::max(summary.holesDug, plan.figures.holesDug);
        summary.closestCall = std::min(summary.closestCall, plan.figures.closestCall);
    }
    if (summary.cleared > 0) summary.passes = passes / summary.cleared;
    return summary;
}

struct NoviceSummary {
    int failures = 0;
    int livesLost = 0;
    int closeCalls = 0;
};

NoviceSummary summarise(const std::vector<NoviceGame>& games) {
    NoviceSummary summary;
    for (const NoviceGame& game : games) {
        summary.failures += game.cleared ? 0 : 1;
        summary.livesLost += game.livesLost;
        summary.closeCalls += game.closeCalls;
    }
    return summary;
}

double danger(const LevelFigures& level) {
    const NoviceSummary dumb = summarise(level.noviceDumb);
    const NoviceSummary smart = summarise(level.noviceSmart);
    const std::size_t games = level.noviceDumb.size() + level.noviceSmart.size();
    if (games == 0) return 0.0;
    const int points = LifePoints * (dumb.livesLost + smart.livesLost) +
                       FailurePoints * (dumb.failures + smart.failures) + dumb.closeCalls + smart.closeCalls;
    return static_cast<double>(points) / static_cast<double>(games);
}

// Seconds of play the planner needs, over all its games; one it did not clear
// counts as long as the weaker player plays before it gives up.
double length(const LevelFigures& level) {
    int passes = 0;
    int games = 0;
    for (const auto* plans : {&level.dumb, &level.smart})
        for (const Plan& plan : *plans) {
            passes += plan.cleared ? plan.figures.passes : NoviceOptions{}.maxPasses;
            ++games;
        }
    return games > 0 ? SecondsPerPass * passes / games : 0.0;
}

std::string plannerCells(const PlannerSummary& summary, std::size_t tries) {
    std::ostringstream text;
    if (summary.cleared == 0) return "not cleared | – | – | –";
    text << summary.passes;
    if (static_cast<std::size_t>(summary.cleared) < tries) text << " (" << summary.cleared << " of " << tries << ")";
    text << " | " << summary.livesLost << " | " << summary.holesDug << " | " << summary.closestCall;
    return text.str();
}

std::string noviceCells(const NoviceSummary& summary) {
    std::ostringstream text;
    text << summary.failures << " | " << summary.livesLost << " | " << summary.closeCalls;
    return text.str();
}

std::string oneDecimal(double value) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << value;
    return text.str();
}

}  // namespace

std::map<int, std::string> readIdeas(const std::string& file) {
    std::map<int, std::string> ideas;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int level = 0;
        if (!(fields >> level)) continue;
        std::string idea;
        std::getline(fields >> std::ws, idea);
        ideas[level] = idea;
    }
    return ideas;
}

double difficulty(const LevelFigures& level) { return danger(level) + length(level); }

std::vector<std::string> outOfOrder(const std::vector<LevelFigures>& levels) {
    std::vector<std::string> lines;
    for (std::size_t i = 1; i < levels.size(); ++i)
        if (difficulty(levels[i]) <= difficulty(levels[i - 1]))
            lines.push_back("level " + std::to_string(levels[i].level) + " (difficulty " +
                            oneDecimal(difficulty(levels[i])) + ") is no harder than level " +
                            std::to_string(levels[i - 1].level) + " (" + oneDecimal(difficulty(levels[i - 1])) + ")");
    return lines;
}

std::string levelsTable(const std::vector<LevelFigures>& levels, const std::string& command) {
    std::ostringstream text;
    const std::size_t seeds = levels.empty() ? 0 : levels.front().dumb.size();
    const std::size_t games = levels.empty() ? 0 : levels.front().noviceDumb.size();
    text << "# The levels and what clearing them takes\n\n"
         << "The *difficulty* of a level is its *danger* plus its *length*, and the levels are numbered in its\n"
         << "order. The danger is the mean points a deliberately weaker player scores in a game (" << LifePoints
         << " for every\nlife lost, " << FailurePoints
         << " for a level not cleared, 1 for every close call), the length the seconds the\n"
            "automatic player needs to clear the level (a game it does not clear counts as "
         << SecondsPerPass * NoviceOptions{}.maxPasses << " s).\n\n"
         << "The automatic player (`tools/autoplayer`) plays every level through the real rules at speed 2, "
            "with\n"
         << seeds << " seeds against dumb and " << seeds
         << " against smart cops, and tries every future of the game: *passes* is its mean\n"
            "number of passes of the play loop to clear the level (16 ms each; \"1 of 2\": it cleared it with "
            "one\nseed only), *lives lost* the total over the seeds, *holes dug* the most in one game, *closest "
            "call* the\nfewest cells (along rows and columns) there ever were between the hero and a cop. The "
            "weaker player\nplays "
         << games << " games against each kind of cops, looks only " << NoviceOptions{}.lookAhead
         << " moves ahead and cannot foresee the\ncops' coin tosses: *failed* counts the games it lost or gave up "
            "after "
         << NoviceOptions{}.maxPasses
         << " passes, *lives lost* and\n*close calls* (a cop coming next to the hero) are totals over its "
            "games.\n\n"
         << "Made by `" << command << "`; do not edit by hand.\n\n"
         << "| level | idea | difficulty | danger | length (s) | dumb cops: passes | lives lost | holes dug | "
            "closest call | smart cops: passes | lives lost | holes dug | closest call | weaker player, dumb "
            "cops: failed | lives lost | close calls | smart cops: failed | lives lost | close calls |\n"
         << "|---:|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const LevelFigures& level : levels)
        text << "| " << level.level << " | " << level.idea << " | " << oneDecimal(difficulty(level)) << " | "
             << oneDecimal(danger(level)) << " | " << oneDecimal(length(level)) << " | "
             << plannerCells(summarise(level.dumb), seeds) << " | " << plannerCells(summarise(level.smart), seeds)
             << " | " << noviceCells(summarise(level.noviceDumb)) << " | " << noviceCells(summarise(level.noviceSmart))
             << " |\n";
    return text.str();
}

}  // namespace orbo::autoplay

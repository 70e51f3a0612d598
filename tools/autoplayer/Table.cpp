#include "tools/autoplayer/Table.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace orbo::autoplay {
namespace {

struct Summary {
    int solved = 0;
    int passes = 0;  // mean over the solved plans
    int livesLost = 0;
    int holesDug = 0;
    int closestCall = 99;
};

Summary summarise(const std::vector<Plan>& plans) {
    Summary summary;
    int passes = 0;
    for (const Plan& plan : plans) {
        if (!plan.cleared) continue;
        ++summary.solved;
        passes += plan.figures.passes;
        summary.livesLost += plan.figures.livesLost;
        summary.holesDug = std::max(summary.holesDug, plan.figures.holesDug);
        summary.closestCall = std::min(summary.closestCall, plan.figures.closestCall);
    }
    if (summary.solved > 0) summary.passes = passes / summary.solved;
    return summary;
}

// One number to order the levels by: the mean passes of every try, a try the
// player did not clear counted as NotClearedPasses, and LifePasses more for
// every life lost.
constexpr int NotClearedPasses = 5000;
constexpr int LifePasses = 1500;

int difficulty(const LevelFigures& level) {
    int total = 0;
    int tries = 0;
    for (const auto* plans : {&level.dumb, &level.smart}) {
        for (const Plan& plan : *plans) {
            total += plan.cleared ? plan.figures.passes + LifePasses * plan.figures.livesLost : NotClearedPasses;
            ++tries;
        }
    }
    return tries > 0 ? total / tries : 0;
}

std::string cells(const Summary& summary, std::size_t tries) {
    std::ostringstream text;
    if (summary.solved == 0) {
        text << "not cleared | – | – | –";
        return text.str();
    }
    text << summary.passes;
    if (static_cast<std::size_t>(summary.solved) < tries) text << " (" << summary.solved << " of " << tries << ")";
    text << " | " << summary.livesLost << " | " << summary.holesDug << " | " << summary.closestCall;
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

std::string levelsTable(const std::vector<LevelFigures>& levels, const std::string& command) {
    std::ostringstream text;
    const std::size_t dumbTries = levels.empty() ? 0 : levels.front().dumb.size();
    const std::size_t smartTries = levels.empty() ? 0 : levels.front().smart.size();
    text << "# The levels and what clearing them takes\n\n"
         << "Figures of the automatic player (`tools/autoplayer`), which plays every level through the real\n"
         << "rules at speed 2: with dumb cops over " << dumbTries << " seeds and with smart cops over " << smartTries
         << " seeds.\n*Passes* is the mean number of passes of the play loop to clear the level (16 ms each; \"1 of\n"
         << "2\": the player cleared it with one seed only), *lives lost* is the total over the seeds, *holes\n"
         << "dug* the most in one game, *closest call* the fewest cells (along rows and columns) there ever\n"
         << "were between the hero and a cop. *Difficulty* is the mean passes over every try, a try not\n"
         << "cleared counted as " << NotClearedPasses << " and every life lost as " << LifePasses
         << " more; the levels are ordered by it.\n\n"
         << "Made by `" << command << "`; do not edit by hand.\n\n"
         << "| level | idea | difficulty | passes | lives lost | holes dug | closest call | smart: passes | lives lost "
            "| holes dug | closest call |\n"
         << "|---:|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const LevelFigures& level : levels)
        text << "| " << level.level << " | " << level.idea << " | " << difficulty(level) << " | "
             << cells(summarise(level.dumb), dumbTries) << " | " << cells(summarise(level.smart), smartTries) << " |\n";
    return text.str();
}

}  // namespace orbo::autoplay

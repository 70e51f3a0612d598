// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Planner.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_set>

#include "game/core/Effects.h"
#include "tools/autoplayer/Judge.h"

namespace orbo::autoplay {
namespace {

// Every node of the search keeps the move that led to it; scripts are read back
// along the parents.
struct Step {
    int parent = -1;
    std::vector<Segment> segments;
};

struct Node {
    Playfield::Snapshot snapshot;
    int step = -1;
    int passes = 0;
    int closestCall = 99;
    double cost = 0.0;
};

// Nodes that differ in nothing the future depends on are one node.
std::size_t stateKey(const Game& game) {
    std::size_t key = 0;
    auto mix = [&key](std::int64_t value) { key = key * 1000003u ^ std::hash<std::int64_t>{}(value); };
    for (int unit = 0; unit <= 2; ++unit) {
        const Unit& u = game.units[static_cast<std::size_t>(unit)];
        mix(u.col);
        mix(u.row);
        mix(static_cast<std::int64_t>(u.x));
        mix(static_cast<std::int64_t>(u.y));
        mix(u.dirX);
        mix(u.dirY);
    }
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) mix(game.tileMap.at(col, row));
    mix(game.carrying[1]);
    mix(game.carrying[2]);
    return key;
}

std::vector<Segment> scriptOf(const std::vector<Step>& steps, int step) {
    std::vector<std::vector<Segment>> parts;
    for (int at = step; at >= 0; at = steps[static_cast<std::size_t>(at)].parent)
        parts.push_back(steps[static_cast<std::size_t>(at)].segments);
    std::vector<Segment> script;
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
        for (const Segment& segment : *part) {
            if (!script.empty() && script.back().key == segment.key)
                script.back().passes += segment.passes;
            else
                script.push_back(segment);
        }
    }
    return script;
}

Plan planOf(const Playfield& field, const std::vector<Step>& steps, const Node& node) {
    const Game& game = field.game();
    Plan plan;
    plan.cleared = true;
    plan.script = scriptOf(steps, node.step);
    plan.figures.passes = node.passes;
    plan.figures.livesLost = static_cast<int>(LivesAtStart - game.progress.lives);
    plan.figures.holesDug = field.effectCount(Effect::Shot);
    plan.figures.closestCall = node.closestCall;
    plan.figures.score = game.progress.score;
    plan.figures.lives = static_cast<int>(game.progress.lives);
    plan.figures.level = game.progress.level;
    return plan;
}

}  // namespace

Plan findPlan(const PlayOptions& options, const SearchOptions& search) {
    Playfield field(options);
    if (!field.ready()) return {};
    const Game& game = field.game();
    const float livesAtStart = game.progress.lives;

    std::vector<Step> steps;
    Plan failed;
    int lastProgress = 0;
    std::vector<Node> beam(1);
    beam.front().snapshot = field.save();
    beam.front().closestCall = copDistance(game);
    for (int depth = 0; depth < search.maxMoves && !beam.empty(); ++depth) {
        std::vector<Node> children;
        std::unordered_set<std::size_t> seen;
        Plan bestPlan;
        for (const Node& node : beam) {
            for (const Move move : AllMoves) {
                field.restore(node.snapshot);
                Step step{node.step, {}};
                const MoveResult result = playMove(field, move, step.segments);
                if (!result.done || game.session.quit) continue;
                int passes = 0;
                for (const Segment& segment : step.segments) passes += segment.passes;
                const int livesLost = static_cast<int>(livesAtStart - game.progress.lives);
                steps.push_back(std::move(step));
                Node child;
                child.step = static_cast<int>(steps.size()) - 1;
                child.passes = node.passes + passes;
                child.closestCall = std::min(node.closestCall, result.closestCall);
                if (levelCleared(field)) {
                    Plan plan = planOf(field, steps, child);
                    if (!bestPlan.cleared || plan.figures.livesLost < bestPlan.figures.livesLost ||
                        (plan.figures.livesLost == bestPlan.figures.livesLost &&
                         plan.figures.passes < bestPlan.figures.passes))
                        bestPlan = std::move(plan);
                    continue;
                }
                if (!seen.insert(stateKey(game)).second) continue;
                child.cost = judge(game, child.passes, livesLost);
                child.snapshot = field.save();
                children.push_back(std::move(child));
            }
        }
        if (bestPlan.cleared) return bestPlan;
        const auto kept = std::min(children.size(), static_cast<std::size_t>(search.beamWidth));
        std::partial_sort(children.begin(), children.begin() + static_cast<std::ptrdiff_t>(kept), children.end(),
                          [](const Node& a, const Node& b) { return a.cost < b.cost; });
        children.resize(kept);
        if (!children.empty()) {
            field.restore(children.front().snapshot);
            const int left = kettlesLeft(game);
            if (failed.figures.moves == 0 || left < failed.figures.kettlesLeft) lastProgress = depth;
            failed.figures = planOf(field, steps, children.front()).figures;
            failed.figures.kettlesLeft = left;
            failed.figures.kettlesCarried = game.carrying[1] + game.carrying[2];
            failed.figures.moves = depth + 1;
            if (depth - lastProgress > search.patience) break;
        }
        beam = std::move(children);
    }
    return failed;
}

}  // namespace orbo::autoplay

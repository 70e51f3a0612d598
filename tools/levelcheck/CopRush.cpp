// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/levelcheck/CopRush.h"

#include <array>
#include <functional>
#include <memory>
#include <queue>
#include <utility>
#include <vector>

#include "game/headless/Machine.h"
#include "game/rules/Movement.h"
#include "game/rules/Progression.h"
#include "tools/levelcheck/LevelCheck.h"

namespace orbo::levelcheck {
namespace {

constexpr int Cop = 1;

// A game holding one cop and nothing else, for trying its steps one at a time.
class CopProbe {
public:
    explicit CopProbe(const EditorGrid& level) : game_(std::make_unique<Game>(machine_.platform)) {
        for (int row = 0; row < FieldRows; ++row)
            for (int col = 0; col < FieldColumns; ++col) game_->tileMap.set(col, row, level.at(col, row));
        // Puts the hero and the cops in play on their start cells, as a new life does.
        placeUnits(*game_);
    }

    // Glides until the cop stands on its cell; how many glides that took.
    int glidesToRest() {
        const Unit& cop = unit();
        int glides = 0;
        while (cop.x != static_cast<double>(CellWidth) * cop.col ||
               cop.y != static_cast<double>(CellHeight) * cop.row) {
            glideUnits(*game_);
            ++glides;
        }
        return glides;
    }

    // The cop as it comes back at a new life.
    int glidesAfterStart() { return glidesToRest(); }

    // One step from rest on the cell with the intention; the cell it takes the
    // cop to and the glides until it rests there.
    std::pair<int, int> step(int col, int row, int dirX, int dirY) {
        Unit& cop = unit();
        cop.col = col;
        cop.row = row;
        cop.x = static_cast<double>(CellWidth) * col;
        cop.y = static_cast<double>(CellHeight) * row;
        cop.dirX = dirX;
        cop.dirY = dirY;
        stepUnit(*game_, Cop);
        const int cell = cop.row * FieldColumns + cop.col;
        return {cell, glidesToRest()};
    }

private:
    Unit& unit() { return game_->units[static_cast<std::size_t>(Cop)]; }

    // Virtual time that stands still unless the rules wait; nothing is drawn, played or read.
    headless::Machine machine_{"."};
    std::unique_ptr<Game> game_;
};

}  // namespace

std::optional<int> copArrivalMs(const EditorGrid& level, int speed) {
    if (isSolid(level.at(CopStartCol, CopStartRow)) || isSolid(level.at(HeroStartCol, HeroStartRow)))
        return std::nullopt;
    // The step clock fires every stepMs and the glide clock twice as often; at
    // their fastest a cop steps again at the first step after its last glide.
    const int stepMs = 400 / speed;
    const auto restedAfter = [stepMs](int glides) { return (glides + 1) / 2 * stepMs; };

    CopProbe probe(level);
    constexpr int Cells = FieldColumns * FieldRows;
    std::array<int, Cells> ready;  // when the cop can first step from a cell
    ready.fill(-1);
    using Entry = std::pair<int, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    queue.push({restedAfter(probe.glidesAfterStart()), CopStartRow * FieldColumns + CopStartCol});
    constexpr int Intentions[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    const int target = HeroStartRow * FieldColumns + HeroStartCol;
    while (!queue.empty()) {
        const auto [time, cell] = queue.top();
        queue.pop();
        if (ready[static_cast<std::size_t>(cell)] >= 0) continue;
        ready[static_cast<std::size_t>(cell)] = time;
        for (const auto& intention : Intentions) {
            const auto [next, glides] =
                probe.step(cell % FieldColumns, cell / FieldColumns, intention[0], intention[1]);
            if (next == cell) continue;
            // A cop in the hero's cell catches him at once, before any glide.
            if (next == target) return time;
            if (ready[static_cast<std::size_t>(next)] < 0) queue.push({time + restedAfter(glides), next});
        }
    }
    return std::nullopt;
}

std::optional<std::string> copRushFault(std::optional<int> arrivalMs) {
    if (!arrivalMs || *arrivalMs >= CopGraceMs) return std::nullopt;
    return "the cops can reach the hero's start cell " + std::to_string(*arrivalMs) +
           " ms after a new life (at least " + std::to_string(CopGraceMs) + " ms wanted)";
}

}  // namespace orbo::levelcheck

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Distance.h"

#include <array>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

namespace orbo::autoplay {
namespace {

// Digging costs the shot, the step beside the hole and the drop into it.
constexpr int DigCost = 3;

bool fallsThrough(std::int32_t here, std::int32_t below) {
    return (here == Empty || here == Hole) && (below == Empty || below == Bar || below == Kettle || below == Hole);
}

bool open(const TileMap& map, int col, int row) {
    return col >= 0 && col < FieldColumns && row >= 0 && row < FieldRows && !isSolid(map.at(col, row));
}

}  // namespace

int kettleDistance(const Game& game) {
    const TileMap& map = game.tileMap;
    bool anyKettle = false;
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) anyKettle = anyKettle || map.at(col, row) == Kettle;
    if (!anyKettle) return 0;

    std::array<int, FieldColumns * FieldRows> cost;
    cost.fill(OutOfReach);
    using Entry = std::pair<int, int>;  // cost, cell
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    auto reach = [&](int col, int row, int value) {
        const auto index = static_cast<std::size_t>(row * FieldColumns + col);
        if (value >= cost[index]) return;
        cost[index] = value;
        queue.push({value, row * FieldColumns + col});
    };
    const Unit& hero = game.units[HeroSlot];
    reach(hero.col, hero.row, 0);
    while (!queue.empty()) {
        const auto [value, cell] = queue.top();
        queue.pop();
        const int col = cell % FieldColumns;
        const int row = cell / FieldColumns;
        if (value > cost[static_cast<std::size_t>(cell)]) continue;
        const std::int32_t here = map.at(col, row);
        if (here == Kettle) return value;
        if (row < FieldRows - 1 && fallsThrough(here, map.at(col, row + 1))) {
            reach(col, row + 1, value + 1);
            continue;
        }
        for (const int side : {-1, 1}) {
            if (open(map, col + side, row)) reach(col + side, row, value + 1);
            if (row < FieldRows - 1 && open(map, col + side, row) && map.at(col + side, row + 1) == Turf)
                reach(col + side, row + 1, value + DigCost);
        }
        if (here == Ladder && open(map, col, row - 1)) reach(col, row - 1, value + 1);
        if (open(map, col, row + 1)) reach(col, row + 1, value + 1);
    }
    return OutOfReach;
}

}  // namespace orbo::autoplay

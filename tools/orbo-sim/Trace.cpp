#include "tools/orbo-sim/Trace.h"

#include <cmath>

namespace orbo::sim {
namespace {

// Whole numbers print without a fraction (10, not 10.0), as the status line shows them.
nlohmann::ordered_json number(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return static_cast<long long>(value);
    return value;
}

nlohmann::ordered_json unitJson(const Unit& unit) {
    return {{"col", unit.col},   {"row", unit.row},   {"x", number(unit.x)},  {"y", number(unit.y)},
            {"dirX", unit.dirX}, {"dirY", unit.dirY}, {"pose", unit.pose}, {"phase", unit.phase}};
}

nlohmann::ordered_json holesJson(const Game& game, std::uint32_t now) {
    auto holes = nlohmann::ordered_json::array();
    for (const HoleRecord& hole : game.holeTable)
        if (hole.openedAt != 0)
            holes.push_back({{"col", hole.col}, {"row", hole.row}, {"age", elapsedMs(now, hole.openedAt)}});
    return holes;
}

nlohmann::ordered_json gridJson(const TileMap& grid) {
    auto rows = nlohmann::ordered_json::array();
    for (int row = 0; row < FieldRows; ++row) {
        std::string text;
        for (int col = 0; col < FieldColumns; ++col) text += std::to_string(grid.at(col, row));
        rows.push_back(text);
    }
    return rows;
}

}  // namespace

nlohmann::ordered_json traceLine(const Game& game, int session, int pass, const std::vector<int>& effects,
                                 const std::vector<std::string>& messages) {
    const std::uint32_t now = game.platform.clock.tickCount();
    auto units = nlohmann::ordered_json::array();
    for (int slot = 0; slot <= 2; ++slot) units.push_back(unitJson(game.units[static_cast<std::size_t>(slot)]));
    return {
        {"session", session},
        {"pass", pass},
        {"tick", now},
        {"score", game.progress.score},
        {"lives", number(game.progress.lives)},
        {"level", game.progress.level},
        {"levelCount", game.session.levelCount},
        {"quit", game.session.quit},
        {"paused", game.session.paused},
        {"canContinue", game.progress.canContinue},
        {"clocks", {{"glide", game.session.lastGlideTick}, {"step", game.session.lastStepTick}}},
        {"units", units},
        {"carrying", {game.carrying[1], game.carrying[2]}},
        {"holes", holesJson(game, now)},
        {"grid", gridJson(game.tileMap)},
        {"effects", effects},
        {"messages", messages},
    };
}

}  // namespace orbo::sim

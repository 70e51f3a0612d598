// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/Trace.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace orbo::recording {
namespace {

template <typename Integer>
void appendInteger(std::string& line, Integer value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    line.append(digits, end);
}

// Whole numbers print without a fraction (10, not 10.0), as the status line shows
// them; others as JSON's own shortest form.
void appendNumber(std::string& line, double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        appendInteger(line, static_cast<long long>(value));
    else
        line += nlohmann::json(value).dump();
}

void appendKey(std::string& line, const char* key) {
    line += '"';
    line += key;
    line += "\":";
}

void appendUnit(std::string& line, const Unit& unit) {
    line += "{\"col\":";
    appendInteger(line, unit.col);
    line += ",\"row\":";
    appendInteger(line, unit.row);
    line += ",\"x\":";
    appendNumber(line, unit.x);
    line += ",\"y\":";
    appendNumber(line, unit.y);
    line += ",\"dirX\":";
    appendInteger(line, unit.dirX);
    line += ",\"dirY\":";
    appendInteger(line, unit.dirY);
    line += ",\"pose\":";
    appendInteger(line, unit.pose);
    line += ",\"phase\":";
    appendInteger(line, unit.phase);
    line += '}';
}

void appendHoles(std::string& line, const Game& game, std::uint32_t now) {
    line += '[';
    bool first = true;
    for (const HoleRecord& hole : game.holeTable) {
        if (hole.openedAt == 0) continue;
        line += first ? "{\"col\":" : ",{\"col\":";
        first = false;
        appendInteger(line, hole.col);
        line += ",\"row\":";
        appendInteger(line, hole.row);
        line += ",\"age\":";
        appendInteger(line, elapsedMs(now, hole.openedAt));
        line += '}';
    }
    line += ']';
}

void appendGrid(std::string& line, const TileMap& grid) {
    line += '[';
    for (int row = 0; row < FieldRows; ++row) {
        line += row == 0 ? "\"" : ",\"";
        for (int col = 0; col < FieldColumns; ++col) appendInteger(line, grid.at(col, row));
        line += '"';
    }
    line += ']';
}

void appendBool(std::string& line, bool value) { line += value ? "true" : "false"; }

}  // namespace

void appendTraceLine(std::string& line, const Game& game, std::uint32_t now, int session, int pass,
                     const std::vector<int>& effects, const std::vector<std::string>& messages) {
    line += "{\"session\":";
    appendInteger(line, session);
    line += ",\"pass\":";
    appendInteger(line, pass);
    line += ",\"tick\":";
    appendInteger(line, now);
    line += ",\"score\":";
    appendInteger(line, game.progress.score);
    line += ",\"lives\":";
    appendNumber(line, game.progress.lives);
    line += ",\"level\":";
    appendInteger(line, game.progress.level);
    line += ",\"levelCount\":";
    appendInteger(line, game.session.levelCount);
    line += ",\"quit\":";
    appendBool(line, game.session.quit);
    line += ",\"paused\":";
    appendBool(line, game.session.paused);
    line += ",\"canContinue\":";
    appendBool(line, game.progress.canContinue);
    line += ",\"clocks\":{\"glide\":";
    appendInteger(line, game.session.lastGlideTick);
    line += ",\"step\":";
    appendInteger(line, game.session.lastStepTick);
    line += "},\"units\":[";
    for (std::size_t slot = 0; slot <= 2; ++slot) {
        if (slot > 0) line += ',';
        appendUnit(line, game.units[slot]);
    }
    line += "],\"carrying\":[";
    appendInteger(line, game.carrying[1] ? 1 : 0);
    line += ',';
    appendInteger(line, game.carrying[2] ? 1 : 0);
    line += "],";
    appendKey(line, "holes");
    appendHoles(line, game, now);
    line += ',';
    appendKey(line, "grid");
    appendGrid(line, game.tileMap);
    line += ",\"effects\":[";
    for (std::size_t i = 0; i < effects.size(); ++i) {
        if (i > 0) line += ',';
        appendInteger(line, effects[i]);
    }
    line += "],\"messages\":[";
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (i > 0) line += ',';
        // JSON's own escaping for the rare message: quotes, control characters, and its check of the UTF-8.
        line += nlohmann::json(messages[i]).dump();
    }
    line += "]}";
}

std::string sessionEndLine(const Game& game, std::uint32_t lastTick, int session, int passes,
                           const SessionOutputs& outputs) {
    std::string line;
    appendTraceLine(line, game, lastTick, session, passes, outputs.effects, outputs.messages);
    return line;
}

bool sameGame(std::string_view recorded, std::string_view replayed) {
    constexpr std::string_view Messages = ",\"messages\":[";
    return recorded.substr(0, recorded.rfind(Messages)) == replayed.substr(0, replayed.rfind(Messages));
}

}  // namespace orbo::recording

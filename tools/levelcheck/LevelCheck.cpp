// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/levelcheck/LevelCheck.h"

#include <cstdio>
#include <deque>
#include <memory>

#include "common/FileRead.h"
#include "common/formats/LevelFile.h"
#include "game/headless/Machine.h"
#include "game/rules/Movement.h"
#include "game/rules/Shots.h"
#include "tools/levelcheck/CopRush.h"

namespace orbo::levelcheck {
namespace {

constexpr int LineLength = FieldColumns;

std::string shown(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) return std::string("'") + c + "'";
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

class FaultList {
public:
    explicit FaultList(Report& report) : report_(report) {}
    void add(int line, int column, std::string message) {
        if (report_.faults.size() < MaxReportedFaults)
            report_.faults.push_back({line, column, std::move(message)});
        else
            ++report_.unreportedFaults;
    }

private:
    Report& report_;
};

// The layout the editor writes: 15 lines of 16 digits 0..5, each line ended by
// carriage return and line feed, and nothing after the last one.
void checkLayout(std::string_view bytes, FaultList& faults) {
    int line = 1;
    int column = 0;  // characters of the current line so far
    bool lineOpen = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            const bool crlf = c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
            if (line <= FieldRows && column != LineLength)
                faults.add(line, 0, std::to_string(column) + " characters, expected " + std::to_string(LineLength));
            if (!crlf)
                faults.add(line, column + 1,
                           c == '\r' ? "carriage return without line feed" : "line feed without carriage return");
            if (crlf) ++i;
            ++line;
            column = 0;
            lineOpen = false;
            continue;
        }
        lineOpen = true;
        ++column;
        if (line > FieldRows) continue;
        if (c < '0' || c > '5') faults.add(line, column, shown(c) + " is not a tile code 0 to 5");
    }
    if (lineOpen) {
        if (line <= FieldRows && column != LineLength)
            faults.add(line, 0, std::to_string(column) + " characters, expected " + std::to_string(LineLength));
        faults.add(line, column + 1, "no carriage return and line feed at the end of the line");
        ++line;
    }
    const int lines = line - 1;
    if (lines < FieldRows) faults.add(0, 0, std::to_string(lines) + " lines, expected " + std::to_string(FieldRows));
    if (lines > FieldRows) faults.add(FieldRows + 1, 0, "text after line " + std::to_string(FieldRows));
}

}  // namespace

EditorGrid gridOf(std::string_view bytes) {
    EditorGrid grid;
    int row = 0;
    std::size_t start = 0;
    while (row < FieldRows && start <= bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        const LevelRow cells = parseLevelRow(bytes.substr(start, end - start));
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = cells[static_cast<std::size_t>(col)];
            grid.set(col, row, code >= Empty && code <= Kettle ? code : Empty);
        }
        ++row;
        if (end == bytes.size()) break;
        start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return grid;
}

namespace {

std::string cellName(int col, int row) { return "column " + std::to_string(col) + ", row " + std::to_string(row); }

const char* tileName(std::int32_t code) { return code == Brick ? "bricks" : "turf"; }

// A game with no screen, no sound and no cops, in which the hero is put down at
// rest on a cell and made to take one step or one shot. Holes he has dug may be
// open or closed again at any moment, so every move is tried with each hole
// near it either way.
class Probe {
public:
    explicit Probe(const TileMap& level) : game_(std::make_unique<Game>(machine_.platform)), level_(level) {
        game_->settings.soundOn = false;
        game_->units[HeroSlot].kind = UnitKind::Hero;
        game_->units[HeroSlot].spriteSet = HeroSpriteSet;
    }

    // The cells one step with the intention (dx, dy) can take the hero to.
    template <typename Visit>
    void step(int col, int row, int dx, int dy, Visit visit) {
        // The cells a step reads: his own, the one below, the target and the one below that.
        const std::pair<int, int> looks[] = {{col, row + 1}, {col + dx, row + dy}, {col + dx, row + dy + 1}};
        forEachVariant(col, row, looks, [&] {
            Unit& hero = placeHero(col, row);
            hero.dirX = dx;
            hero.dirY = dy;
            stepUnit(*game_, HeroSlot);
            visit(hero.col, hero.row);
        });
    }

    // Shoots from the cell; true when that can dig a hole not dug before.
    bool shootFrom(int col, int row, int direction) {
        const int holeCol = col + direction;
        if (holeCol < 0 || holeCol >= FieldColumns || row + 1 >= FieldRows) return false;
        if (level_.at(holeCol, row + 1) != Turf ||
            dug_[static_cast<std::size_t>(row + 1)][static_cast<std::size_t>(holeCol)])
            return false;
        bool digs = false;
        const std::pair<int, int> looks[] = {{holeCol, row}};
        forEachVariant(col, row, looks, [&] {
            placeHero(col, row);
            shoot(*game_, direction < 0 ? ShotDirection::Left : ShotDirection::Right);
            digs = digs || game_->tileMap.at(holeCol, row + 1) == Hole;
        });
        if (digs) dug_[static_cast<std::size_t>(row + 1)][static_cast<std::size_t>(holeCol)] = true;
        return digs;
    }

private:
    bool isDug(int col, int row) const {
        return col >= 0 && col < FieldColumns && row >= 0 && row < FieldRows &&
               dug_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    }

    // Runs the probe once for every way the dug cells among `looks` may be
    // open or closed; the hero's own cell, if dug, is open, since he is in it.
    template <std::size_t N, typename Run>
    void forEachVariant(int col, int row, const std::pair<int, int> (&looks)[N], Run run) {
        grid_ = level_;
        if (isDug(col, row)) grid_.set(col, row, Hole);
        std::vector<std::pair<int, int>> optional;
        for (const auto& [lookCol, lookRow] : looks)
            if (isDug(lookCol, lookRow) && !(lookCol == col && lookRow == row)) optional.emplace_back(lookCol, lookRow);
        for (unsigned variant = 0; variant < (1u << optional.size()); ++variant) {
            for (std::size_t i = 0; i < optional.size(); ++i)
                grid_.set(optional[i].first, optional[i].second, (variant >> i) & 1u ? Hole : Turf);
            run();
        }
    }

    Unit& placeHero(int col, int row) {
        game_->tileMap = grid_;
        game_->holeTable = {};
        game_->shot = {};
        Unit& hero = game_->units[HeroSlot];
        hero.col = col;
        hero.row = row;
        hero.x = static_cast<double>(CellWidth) * col;
        hero.y = static_cast<double>(CellHeight) * row;
        hero.dirX = 0;
        hero.dirY = 0;
        hero.pose = Pose::Standing;
        return hero;
    }

    // Virtual time that stands still unless the rules wait; nothing is drawn, played or read.
    headless::Machine machine_{"."};
    std::unique_ptr<Game> game_;
    const TileMap level_;
    TileMap grid_;
    CellSet dug_{};
};

}  // namespace

CellSet heroReach(const EditorGrid& level) {
    CellSet reached{};
    TileMap grid;
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = level.at(col, row);
            // The hero takes a kettle the moment he is in its cell; from then
            // on the cell is empty, so for moving on it is empty already.
            grid.set(col, row, code == Kettle ? Empty : code);
        }
    if (isSolid(grid.at(HeroStartCol, HeroStartRow))) return reached;

    Probe probe(grid);
    std::deque<std::pair<int, int>> work{{HeroStartCol, HeroStartRow}};
    std::vector<std::pair<int, int>> visited{{HeroStartCol, HeroStartRow}};
    reached[HeroStartRow][HeroStartCol] = true;
    const auto visit = [&](int col, int row) {
        bool& cell = reached[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
        if (cell) return;
        cell = true;
        visited.emplace_back(col, row);
        work.emplace_back(col, row);
    };
    constexpr int Moves[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (;;) {
        bool dug = false;
        while (!work.empty()) {
            const auto [col, row] = work.front();
            work.pop_front();
            for (const auto& move : Moves) probe.step(col, row, move[0], move[1], visit);
            for (const int direction : {-1, 1}) dug = probe.shootFrom(col, row, direction) || dug;
        }
        if (!dug) break;
        // A new hole may open new ways from anywhere he has been.
        work.assign(visited.begin(), visited.end());
    }
    return reached;
}

Report checkLevel(std::string_view bytes) {
    Report report;
    FaultList faults(report);
    checkLayout(bytes, faults);
    report.layoutFaults = static_cast<int>(report.faults.size() + report.unreportedFaults);

    const EditorGrid level = gridOf(bytes);
    const struct {
        int col, row;
        const char* who;
        bool& blocked;
    } starts[] = {{HeroStartCol, HeroStartRow, "the hero's", report.heroStartBlocked},
                  {CopStartCol, CopStartRow, "the cops'", report.copStartBlocked}};
    for (const auto& start : starts) {
        const std::int32_t code = level.at(start.col, start.row);
        if (!isSolid(code)) continue;
        faults.add(
            start.row + 1, start.col + 1,
            std::string(start.who) + " start cell (" + cellName(start.col, start.row) + ") is " + tileName(code));
        start.blocked = true;
    }

    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col)
            if (level.at(col, row) == Kettle) ++report.kettles;
    if (report.kettles == 0) faults.add(0, 0, "no kettle: the level can never be cleared");
    if (report.heroStartBlocked) return report;

    const CellSet reached = heroReach(level);
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) {
            if (level.at(col, row) != Kettle) continue;
            const auto r = static_cast<std::size_t>(row);
            const auto c = static_cast<std::size_t>(col);
            if (reached[r][c]) {
                ++report.reachableKettles;
                continue;
            }
            report.unreachableKettles[r][c] = true;
            faults.add(row + 1, col + 1, "kettle at " + cellName(col, row) + " is out of the hero's reach");
        }
    report.copArrivalMs = copArrivalMs(level);
    if (const auto rush = copRushFault(report.copArrivalMs)) faults.add(HeroStartRow + 1, HeroStartCol + 1, *rush);
    return report;
}

std::optional<std::string> readLevelBytes(const std::filesystem::path& file) {
    FileRead read = readRegularFile(file, MaxFileBytes);
    if (read.error || !read.whole) return std::nullopt;
    return std::move(read.bytes);
}

Report checkLevelFile(const std::filesystem::path& file) {
    const FileRead read = readRegularFile(file, MaxFileBytes);
    Report report;
    if (read.notRegular)
        report.faults.push_back({0, 0, "not a regular file (a folder, pipe or device): not read"});
    else if (read.error)
        report.faults.push_back({0, 0, "cannot be read: " + read.error.message()});
    else if (!read.whole)
        report.faults.push_back({0, 0, "larger than " + std::to_string(MaxFileBytes) + " bytes: not a level file"});
    else
        return checkLevel(read.bytes);
    return report;
}

}  // namespace orbo::levelcheck

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Grids.h"

// Checks a level file the way a designer needs it checked: the exact layout the
// editor writes, and whether the hero can reach every kettle under the game's
// own movement rules.
namespace orbo::levelcheck {

// Where the hero and the cops start on every level.
constexpr int HeroStartCol = 1;
constexpr int HeroStartRow = FieldRows - 1;
constexpr int CopStartCol = 1;
constexpr int CopStartRow = 0;

// A level file is 270 bytes; anything far bigger is not read to its end.
constexpr std::size_t MaxFileBytes = 64 * 1024;
// Past this many faults a file's report only counts the rest.
constexpr std::size_t MaxReportedFaults = 40;

struct Fault {
    int line = 0;    // 1-based line of the file, 0 for the file as a whole
    int column = 0;  // 1-based character of the line, 0 for the whole line
    std::string message;
};

// Cells of the play field, indexed [row][col].
using CellSet = std::array<std::array<bool, FieldColumns>, FieldRows>;

struct Report {
    std::vector<Fault> faults;
    std::size_t unreportedFaults = 0;  // found beyond MaxReportedFaults
    int kettles = 0;
    int reachableKettles = 0;
    // What the faults say, for callers that word it their own way.
    int layoutFaults = 0;  // lengths, line ends, characters other than 0 to 5
    bool heroStartBlocked = false;
    bool copStartBlocked = false;
    CellSet unreachableKettles{};
    // How soon the cops can be on the hero's start cell (see copArrivalMs);
    // unset when they never can, and not worked out when his start is blocked.
    std::optional<int> copArrivalMs;
    bool sound() const { return faults.empty() && unreportedFaults == 0; }
};

// Which cells of the play field the hero can get to from his start cell: the
// hero's reach on a level grid (tile codes 0..5), found by trying every
// move and every shot from every cell he gets to with the game's own step and
// shot rules. Kettles count as taken as soon as he enters their cell, and a dug
// hole counts as open from then on.
CellSet heroReach(const EditorGrid& level);

// The grid as the game reads the bytes of a level file: any line end, anything
// that is not a tile code 0..5 read as empty, missing rows empty.
EditorGrid gridOf(std::string_view bytes);

// The bytes of a level file of at most MaxFileBytes; empty when it is larger,
// is not an ordinary file or cannot be read.
std::optional<std::string> readLevelBytes(const std::filesystem::path& file);

// Checks the bytes of one level file.
Report checkLevel(std::string_view bytes);

// Checks one level file; a file that is refused or cannot be read is one
// fault. Never throws and never waits on a pipe.
Report checkLevelFile(const std::filesystem::path& file);

}  // namespace orbo::levelcheck

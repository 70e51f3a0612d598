// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "common/TileKind.h"

namespace orbo {

constexpr int FieldColumns = 16;
constexpr int FieldRows = 15;

// Pixel size of one cell on the play screen.
constexpr int CellWidth = 64;
constexpr int CellHeight = 50;

// The game's grid: the play field plus a margin (column 16, rows 15 and 16)
// that always reads Empty, so looks one cell past the right or bottom edge are safe.
class TileMap {
public:
    static constexpr int Size = 17;

    std::int32_t at(int col, int row) const { return cells_[index(col, row)]; }
    void set(int col, int row, std::int32_t code) { cells_[index(col, row)] = code; }

    static constexpr bool inside(int col, int row) { return col >= 0 && col < Size && row >= 0 && row < Size; }

private:
    static constexpr std::size_t index(int col, int row) { return static_cast<std::size_t>(row * Size + col); }
    std::array<std::int32_t, Size * Size> cells_{};
};

// The editor's grid: exactly the cells a level file carries.
class EditorGrid {
public:
    std::int32_t at(int col, int row) const { return cells_[index(col, row)]; }
    void set(int col, int row, std::int32_t code) { cells_[index(col, row)] = code; }

private:
    static constexpr std::size_t index(int col, int row) { return static_cast<std::size_t>(row * FieldColumns + col); }
    std::array<std::int32_t, FieldColumns * FieldRows> cells_{};
};

}  // namespace orbo

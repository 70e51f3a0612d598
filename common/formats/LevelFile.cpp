// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/formats/LevelFile.h"

#include "common/FileRead.h"

namespace orbo {
namespace {

// Longer lines are cut: only the first 16 characters of a row matter.
constexpr std::size_t MaxKeptLineLength = 4096;
// A level file is 270 bytes; a stray huge file is read no further than this.
constexpr std::size_t MaxReadBytes = 1 << 20;

std::string_view textField(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    line.remove_prefix(first);
    return line.substr(0, line.find(','));
}

}  // namespace

LevelRow parseLevelRow(std::string_view line) {
    const std::string_view field = textField(line);
    LevelRow row{};
    for (std::size_t col = 0; col < row.size() && col < field.size(); ++col) {
        const char c = field[col];
        row[col] = (c >= '0' && c <= '9') ? c - '0' : Empty;
    }
    return row;
}

std::optional<LevelRows> readLevelFile(const std::filesystem::path& file) {
    const FileRead read = readRegularFile(file, MaxReadBytes);
    if (read.error) return std::nullopt;

    LevelRows rows{};
    std::string line;
    std::size_t rowIndex = 0;
    bool pendingCarriageReturn = false;
    auto finishLine = [&] {
        if (rowIndex < rows.size()) rows[rowIndex++] = parseLevelRow(line);
        line.clear();
    };
    for (std::size_t i = 0; i < read.bytes.size() && rowIndex < rows.size(); ++i) {
        const char c = read.bytes[i];
        if (c == '\n') {
            if (!pendingCarriageReturn) finishLine();
            pendingCarriageReturn = false;
        } else if (c == '\r') {
            finishLine();
            pendingCarriageReturn = true;
        } else {
            pendingCarriageReturn = false;
            if (line.size() < MaxKeptLineLength) line += c;
        }
    }
    if (!line.empty()) finishLine();
    return rows;
}

std::string formatLevel(const EditorGrid& grid) {
    std::string text;
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) text += std::to_string(grid.at(col, row));
        text += "\r\n";
    }
    return text;
}

}  // namespace orbo

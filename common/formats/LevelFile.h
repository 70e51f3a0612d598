// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/Grids.h"

namespace orbo {

using LevelRow = std::array<std::int32_t, FieldColumns>;
using LevelRows = std::array<LevelRow, FieldRows>;

// One line of a level file read as one text field: leading blanks and tabs are
// skipped, the field ends at a comma, and character c + 1 gives column c as its
// digit's value; anything else, or no character at all, gives 0.
LevelRow parseLevelRow(std::string_view line);

// The 15 rows of a level file; rows the file does not have read as Empty.
// Empty result when it is not an ordinary file or cannot be read; never throws
// and never waits on a pipe. Reads a bounded amount whatever the file holds.
std::optional<LevelRows> readLevelFile(const std::filesystem::path& file);

// The grid as the editor writes it: 15 lines of the cells' decimal codes, each
// ended by carriage return and line feed.
std::string formatLevel(const EditorGrid& grid);

// The editor's save: the level goes into levelFolder as "Этаж" + N + ".orb",
// N being the number of files already there, or the next number not taken.
// The name is taken in one step that fails if anything at all holds it, so no
// level is ever overwritten, not even by a second editor saving at the same
// moment, and a failed write leaves nothing behind.
struct SaveResult {
    bool saved = false;
    // The file written; after a failure, the path to name in the message
    // (the folder when it cannot be opened, otherwise the file).
    std::filesystem::path path;
    // After a failure, the system's reason, for a second line of the message.
    std::string reason;
};
struct SaveOptions {
    // Writes an unnamed file and links it to the name; off, or where the file
    // system cannot, a uniquely named temporary file is linked instead.
    bool unnamedFile = true;
};
SaveResult saveEditorLevel(const std::filesystem::path& levelFolder, const EditorGrid& grid, SaveOptions options = {});

}  // namespace orbo

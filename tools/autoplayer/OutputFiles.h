// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The replays and the table the automatic player writes: a write either takes
// effect whole or fails with the file at fault and the system's reason.
namespace orbo::autoplay {

struct WriteResult {
    bool written = false;
    std::string failure;  // "PATH: reason" when not written
};

// Makes the folder, and those above it, where missing, and proves that a file
// can be written there (an empty path is the working folder): a long run of
// planning should not end in a failed write.
WriteResult prepareFolder(const std::filesystem::path& folder);

// Writes the text to a new file beside `file` that then takes its name, so that
// a failed write leaves an earlier file as it was.
WriteResult writeTextFile(const std::filesystem::path& file, std::string_view text);

}  // namespace orbo::autoplay

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orbo {

// Lower-cases ASCII and Cyrillic letters of a UTF-8 text; other bytes pass unchanged.
std::string foldCase(std::string_view utf8);

// Resolves a program-relative path such as Этажи/Orbo3.orb below programDir.
// A leading separator and empty components are ignored. Each component is
// matched against the existing entries without regard to letter case; a
// component with no match is kept as written, so the result still names the
// file a message should speak of.
std::filesystem::path resolveProgramPath(const std::filesystem::path& programDir,
                                         const std::filesystem::path& relative);

// Number of regular files directly inside folder; subfolders do not count.
// Empty when the folder is missing or cannot be read.
std::optional<int> countFiles(const std::filesystem::path& folder);

// The folder that holds the running executable.
std::filesystem::path executableFolder();

// A path as UTF-8 text, for messages.
std::string displayPath(const std::filesystem::path& path);

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

namespace orbo {

// A base folder as the XDG rules give it: $VARIABLE when it holds an absolute
// path, otherwise $HOME/underHome; nothing when HOME is no absolute path either.
// An unset, empty or relative variable counts as not set.
std::optional<std::filesystem::path> xdgBaseFolder(const char* variable, const std::filesystem::path& underHome);

}  // namespace orbo

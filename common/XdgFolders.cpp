// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/XdgFolders.h"

#include <cstdlib>

namespace orbo {
namespace {

std::optional<std::filesystem::path> absoluteFolderIn(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr) return std::nullopt;
    std::filesystem::path folder(value);
    if (!folder.is_absolute()) return std::nullopt;
    return folder;
}

}  // namespace

std::optional<std::filesystem::path> xdgBaseFolder(const char* variable, const std::filesystem::path& underHome) {
    if (auto folder = absoluteFolderIn(variable)) return folder;
    if (auto home = absoluteFolderIn("HOME")) return *home / underHome;
    return std::nullopt;
}

}  // namespace orbo

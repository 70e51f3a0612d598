// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/UserLevelFolder.h"

#include <cstdlib>

namespace orbo {
namespace {

// A variable that is unset, empty or relative counts as not set.
std::filesystem::path absoluteFolderIn(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr) return {};
    std::filesystem::path folder(value);
    return folder.is_absolute() ? folder : std::filesystem::path();
}

}  // namespace

std::filesystem::path userLevelFolder() {
    std::filesystem::path data = absoluteFolderIn("XDG_DATA_HOME");
    if (data.empty()) {
        const std::filesystem::path home = absoluteFolderIn("HOME");
        if (home.empty()) return {};
        data = home / ".local" / "share";
    }
    return data / "orbo" / std::filesystem::path(u8"Этажи");
}

}  // namespace orbo

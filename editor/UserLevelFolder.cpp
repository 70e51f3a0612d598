// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/UserLevelFolder.h"

#include "common/XdgFolders.h"

namespace orbo {

std::filesystem::path userLevelFolder() {
    const auto data = xdgBaseFolder("XDG_DATA_HOME", std::filesystem::path(".local") / "share");
    if (!data) return {};
    return *data / "orbo" / std::filesystem::path(u8"Этажи");
}

}  // namespace orbo

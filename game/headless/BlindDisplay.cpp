// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/headless/BlindDisplay.h"

#include "common/Paths.h"

namespace orbo::headless {

std::unique_ptr<Surface> BlindDisplay::loadSurface(int width, int height, std::int32_t,
                                                   const std::filesystem::path& file) {
    return std::make_unique<Picture>(width, height, displayPath(file.filename()));
}

}  // namespace orbo::headless

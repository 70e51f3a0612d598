// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "game/render/SdlHandles.h"

namespace orbo::sdl {

// The picture file as an RGB565 surface of exactly width x height pixels, scaled
// (nearest pixel) whatever its own size, with colourKey as its colour key: a keyed
// copy leaves out exactly the pixels that are colourKey after the conversion.
// Null with the reason in error when the file cannot be read.
UniqueSurface loadPicture565(const std::filesystem::path& file, int width, int height, std::uint32_t colourKey,
                             std::string& error);

// A window icon from a picture file, as it is; null when it cannot be read.
UniqueSurface loadIcon(const std::filesystem::path& file);

// An empty RGB565 surface, all black.
UniqueSurface makeSurface565(int width, int height);

}  // namespace orbo::sdl

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace orbo {

// The headers of a 32-bit BMP of 16384 x 16384 pixels, and no pixels: a picture
// far larger than the screen, which must be refused before it is decoded.
inline std::string oversizedPicture() {
    std::string bytes = "BM" + std::string(12, '\0');
    bytes += std::string("\x28\0\0\0\0\x40\0\0\0\x40\0\0\1\0\x20\0", 16);
    bytes.resize(118, '\0');
    return bytes;
}

}  // namespace orbo

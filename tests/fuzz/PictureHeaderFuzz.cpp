// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the start of a picture file: the check must answer without
// reading out of bounds, and a size it lets through must fit on the screen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/formats/PictureHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (orbo::checkPictureHeader(bytes) != orbo::PictureCheck::Fits) return 0;
    const auto declared = orbo::readPictureSize(bytes);
    if (!declared || declared->width <= 0 || declared->height <= 0 || declared->width > orbo::LargestPictureWidth ||
        declared->height > orbo::LargestPictureHeight)
        std::abort();
    return 0;
}

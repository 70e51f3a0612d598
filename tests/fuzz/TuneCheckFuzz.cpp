// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a tune file: the check must answer without reading out of bounds.
#include <cstddef>
#include <cstdint>

#include "common/formats/TuneCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orbo::isPlayableTune({data, size});
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a level file: the reader gives 15 rows of tile codes 0 to 9.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "common/formats/LevelFile.h"
#include "tests/fuzz/FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = orbo::fuzz::scratchFolder() / "Этажи" / "Orbo0.orb";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto rows = orbo::readLevelFile(file);
    if (!rows) std::abort();  // a plain file that was just written must be read
    for (const auto& row : *rows)
        for (const auto code : row)
            if (code < 0 || code > 9) std::abort();
    return 0;
}

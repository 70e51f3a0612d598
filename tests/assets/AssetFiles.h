// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "common/Paths.h"

// The program folder of the build, where the generated content lies beside the
// executables, as the programs find it there.
namespace orbo::assets_test {

inline std::filesystem::path programDir() { return ORBO_PROGRAM_DIR; }

// A program-relative path such as графика/Коп.bmp, found as the programs find it.
inline std::filesystem::path resolved(const std::filesystem::path& relative) {
    return resolveProgramPath(programDir(), relative);
}

inline std::vector<unsigned char> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace orbo::assets_test

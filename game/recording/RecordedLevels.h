// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <istream>

namespace orbo::recording {

// Whether a recording was made on the levels in programDir: the level folder
// held as many files, and every level file of the folder it read says the
// same. Level files from elsewhere (a level played alone) are not compared.
// A recording that ends early is judged on what it holds.
bool madeOnTheseLevels(std::istream& recording, const std::filesystem::path& programDir);

}  // namespace orbo::recording

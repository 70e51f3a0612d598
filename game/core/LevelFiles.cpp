// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Paths.h"
#include "game/core/Platform.h"

namespace orbo {
namespace {

class LevelFilesOnDisk : public LevelFiles {
public:
    std::optional<int> count(const std::filesystem::path& folder) override { return countFiles(folder); }
    std::optional<LevelRows> read(const std::filesystem::path& file) override {
        std::error_code error;
        return std::filesystem::is_regular_file(file, error) ? readLevelFile(file) : std::nullopt;
    }
};

}  // namespace

LevelFiles& levelFilesOnDisk() {
    // Holds nothing: every machine may share it.
    static LevelFilesOnDisk disk;
    return disk;
}

}  // namespace orbo

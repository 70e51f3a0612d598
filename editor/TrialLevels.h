#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <optional>

#include "common/Grids.h"

namespace orbo {

// Level files written only to be played at once from the editor, in a
// temporary folder of their own that goes with the editor: never the level
// folder, so trying a level neither counts as a level nor needs a save.
class TrialLevels {
public:
    // The grid in a new file; empty when it could not be written.
    std::optional<std::filesystem::path> write(const EditorGrid& grid);

private:
    std::unique_ptr<QTemporaryDir> folder_;
    int written_ = 0;
};

}  // namespace orbo

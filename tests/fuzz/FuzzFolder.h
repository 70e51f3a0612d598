// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <system_error>

#include "tests/support/TempDir.h"

namespace orbo::fuzz {

// A program folder of the fuzzing process's own, in memory rather than on disk
// where there is a choice: every input is written there.
class ScratchFolder : public TempDir {
public:
    ScratchFolder() : TempDir(base()) { std::filesystem::create_directories(path() / "Этажи"); }

private:
    static std::filesystem::path base() {
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }
};

// Made at the first call, reused by every input after it and removed when the process ends.
inline const std::filesystem::path& scratchFolder() {
    static const ScratchFolder folder;
    return folder.path();
}

}  // namespace orbo::fuzz

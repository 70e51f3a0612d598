#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace orbo::fuzz {

// A program folder of the fuzzing process's own, made at the first call,
// reused by every input after it and removed when the process ends.
class ScratchFolder {
public:
    ScratchFolder() : path_(std::filesystem::temp_directory_path() / ("orbo-fuzz-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_ / "Этажи");
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline const std::filesystem::path& scratchFolder() {
    static const ScratchFolder folder;
    return folder.path();
}

}  // namespace orbo::fuzz

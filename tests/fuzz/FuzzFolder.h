#pragma once

#include <unistd.h>
#include <filesystem>
#include <string>
#include <system_error>

namespace orbo::fuzz {

// A program folder of the fuzzing process's own, made at the first call,
// reused by every input after it and removed when the process ends.
class ScratchFolder {
public:
    ScratchFolder() : path_(base() / ("orbo-fuzz-" + std::to_string(getpid()))) {
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
    // Memory rather than disk where there is a choice: every input is written there.
    static std::filesystem::path base() {
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }
    std::filesystem::path path_;
};

inline const std::filesystem::path& scratchFolder() {
    static const ScratchFolder folder;
    return folder.path();
}

}  // namespace orbo::fuzz

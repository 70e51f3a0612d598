// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/RecordingFolder.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>
#include <vector>

#include "common/XdgFolders.h"

namespace orbo::recording {

std::optional<std::filesystem::path> recordingFolder() {
    const auto state = xdgBaseFolder("XDG_STATE_HOME", std::filesystem::path(".local") / "state");
    if (!state) return std::nullopt;
    return *state / "orbo" / "recordings";
}

std::optional<std::string> makeRecordingFolder(const std::filesystem::path& folder) {
    std::filesystem::path made;
    for (const auto& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return std::generic_category().message(errno);
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return std::generic_category().message(ENOTDIR);
    return std::nullopt;
}

std::string recordingName(const std::tm& began, std::string_view level) {
    std::array<char, 32> stamp{};
    const std::size_t length = std::strftime(stamp.data(), stamp.size(), "%Y-%m-%d_%H-%M-%S_", &began);
    return std::string(stamp.data(), length) + std::string(level) + std::string(RecordingExtension);
}

void keepNewestRecordings(const std::filesystem::path& folder, std::size_t kept) {
    std::error_code error;
    std::vector<std::filesystem::path> recordings;
    std::filesystem::directory_iterator entry(folder, error);
    for (const std::filesystem::directory_iterator end; !error && entry != end; entry.increment(error))
        if (entry->path().extension() == RecordingExtension && entry->is_regular_file(error))
            recordings.push_back(entry->path());
    if (recordings.size() <= kept) return;
    std::sort(recordings.begin(), recordings.end());
    for (std::size_t i = 0; i + kept < recordings.size(); ++i) std::filesystem::remove(recordings[i], error);
}

}  // namespace orbo::recording

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orbo::recording {

// How a recording's file name ends.
inline constexpr std::string_view RecordingExtension = ".orbrec";
// How many recordings the player's folder keeps: the newest.
inline constexpr std::size_t KeptRecordings = 50;

// The player's recordings folder: $XDG_STATE_HOME/orbo/recordings, or
// ~/.local/state/orbo/recordings; empty when neither variable names an
// absolute folder.
std::optional<std::filesystem::path> recordingFolder();

// Makes the folder and any missing folder above it, for the player alone, as
// state folders are; the system's reason when that fails.
std::optional<std::string> makeRecordingFolder(const std::filesystem::path& folder);

// A recording's name: the local date and time it began, and the level, such
// as 2025-03-14_20-07-31_Orbo0.orbrec. Names sort by time.
std::string recordingName(const std::tm& began, std::string_view level);

// Removes the oldest recordings of the folder beyond the newest `kept`.
void keepNewestRecordings(const std::filesystem::path& folder, std::size_t kept = KeptRecordings);

}  // namespace orbo::recording

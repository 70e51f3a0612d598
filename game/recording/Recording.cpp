// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/Recording.h"

#include "common/Paths.h"
#include "game/core/Platform.h"

namespace orbo::recording {
namespace {

constexpr std::uint32_t FlushIntervalMs = 1000;

}  // namespace

Recording::Recording(Report report) : report_(std::move(report)) {}

void Recording::writeTo(const std::filesystem::path& file, RecordingFile::Mode mode) {
    auto opened = std::make_unique<RecordingFile>(file, mode, Encoder::header());
    if (!opened->failure().empty()) {
        report_("cannot record into " + displayPath(file) + ": " + opened->failure() +
                "; the game plays on without it");
        return;
    }
    files_.push_back(std::move(opened));
}

void Recording::keepIn(std::string& bytes) {
    bytes += Encoder::header();
    memories_.push_back(&bytes);
}

std::vector<std::filesystem::path> Recording::files() const {
    std::vector<std::filesystem::path> paths;
    for (const auto& file : files_) paths.push_back(file->path());
    return paths;
}

void Recording::flushIfDue(std::uint32_t tick) {
    if (!lastFlush_) lastFlush_ = tick;
    if (elapsedMs(tick, *lastFlush_) < FlushIntervalMs) return;
    lastFlush_ = tick;
    flush();
}

void Recording::flush() {
    const std::string block = encoder_.takeBlock();
    if (block.empty()) return;
    for (std::string* memory : memories_) *memory += block;
    for (auto file = files_.begin(); file != files_.end();) {
        if ((*file)->write(block)) {
            ++file;
            continue;
        }
        report_("recording into " + displayPath((*file)->path()) + " stopped: " + (*file)->failure() +
                "; the game plays on, and the recording replays up to here");
        file = files_.erase(file);
    }
}

}  // namespace orbo::recording

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/GameRecorder.h"

#include <ctime>
#include <iostream>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "game/recording/RecordingFolder.h"

namespace orbo {
namespace {

void reportOnStandardError(const std::string& text) { std::cerr << "orbo: " << text << '\n'; }

// The level a recording's name gives: the level file a session plays alone,
// or the level the game starts on. The editor's unsaved grid has no name.
std::string levelOf(const recording::SessionBegin& begin) {
    if (begin.kind != recording::SessionBegin::Kind::LevelFile)
        return displayPath(program_files::levelFile(begin.level).stem());
    const auto folder = begin.levelFile.parent_path();
    if (folder == "/dev/fd" || folder == "/proc/self/fd") return "unsaved-level";
    return displayPath(begin.levelFile.stem());
}

recording::SessionBegin beginOf(const Game& game, const std::filesystem::path& levelFile) {
    recording::SessionBegin begin;
    begin.settings = game.settings;
    if (!levelFile.empty()) {
        begin.kind = recording::SessionBegin::Kind::LevelFile;
        begin.levelFile = levelFile;
    } else if (game.progress.canContinue) {
        begin.kind = recording::SessionBegin::Kind::ContinueGame;
    }
    return begin;
}

}  // namespace

GameRecorder::GameRecorder(Platform& machine, std::optional<std::filesystem::path> alsoInto)
    : alsoInto_(std::move(alsoInto)), recording_(reportOnStandardError), recorder_(machine, recording_) {}

GameRecorder::~GameRecorder() {
    if (started_) recorder_.close();
}

void GameRecorder::start(const recording::SessionBegin& first) {
    started_ = true;
    if (const auto folder = recording::recordingFolder()) {
        if (const auto failure = recording::makeRecordingFolder(*folder)) {
            reportOnStandardError("cannot record into " + displayPath(*folder) + ": " + *failure +
                                  "; the game plays on without it");
        } else {
            const std::time_t now = std::time(nullptr);
            std::tm local{};
            localtime_r(&now, &local);
            // Two games begun within a second are told apart by a number.
            const std::string level = levelOf(first);
            std::filesystem::path file = *folder / recording::recordingName(local, level);
            std::error_code error;
            for (int second = 2; std::filesystem::exists(file, error) && second < 100; ++second)
                file = *folder / recording::recordingName(local, level + "-" + std::to_string(second));
            recording_.writeTo(file, recording::RecordingFile::Mode::New);
            recording::keepNewestRecordings(*folder);
        }
    }
    if (alsoInto_) recording_.writeTo(*alsoInto_, recording::RecordingFile::Mode::Replace);
}

void GameRecorder::beginSession(const Game& game, const std::filesystem::path& levelFile) {
    const recording::SessionBegin begin = beginOf(game, levelFile);
    if (!started_) start(begin);
    recorder_.beginSession(begin);
}

void GameRecorder::endSession(const Game& game) { recorder_.endSession(game); }

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "common/UniqueFd.h"

namespace orbo::recording {

// A file a recording goes into as the game goes on. Every block is written at
// once; a thread of its own asks the disk to keep it, at most once a second, so
// that the game never waits for the disk. A write that fails is taken back
// whole and ends the file there: it always ends on a whole block.
class RecordingFile {
public:
    enum class Mode {
        New,      // a name not taken yet
        Replace,  // whatever the name held before
    };

    // Opens the file and writes the recording's first line; on failure,
    // failure() says why and nothing more is written.
    RecordingFile(std::filesystem::path path, Mode mode, std::string_view header);
    ~RecordingFile();
    RecordingFile(const RecordingFile&) = delete;
    RecordingFile& operator=(const RecordingFile&) = delete;

    // False once the file has failed.
    bool write(std::string_view bytes);
    const std::string& failure() const { return failure_; }
    const std::filesystem::path& path() const { return path_; }

private:
    void keepOnDisk();

    std::filesystem::path path_;
    UniqueFd fd_;
    long long size_ = 0;
    std::string failure_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool unsynced_ = false;
    bool closing_ = false;
    std::thread syncer_;
};

}  // namespace orbo::recording

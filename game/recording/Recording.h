// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/recording/Encoder.h"
#include "game/recording/RecordingFile.h"

namespace orbo::recording {

// A recording being made, and where it goes: files, or memory. It is written
// as it goes and handed on at least once a second of play. A file that cannot
// be written is named once through `report`, and the recording goes on into
// the others.
class Recording {
public:
    using Report = std::function<void(const std::string&)>;

    explicit Recording(Report report);

    // The recording goes into this file as well, from its first line on.
    void writeTo(const std::filesystem::path& file, RecordingFile::Mode mode);
    // ... and into this memory.
    void keepIn(std::string& bytes);
    // Files it still goes into.
    std::vector<std::filesystem::path> files() const;

    Encoder& encoder() { return encoder_; }

    // Hands on what was recorded once a second has passed since the last time.
    void flushIfDue(std::uint32_t tick);
    void flush();

private:
    void reportFailed(const RecordingFile& file);

    Report report_;
    Encoder encoder_;
    std::vector<std::unique_ptr<RecordingFile>> files_;
    std::vector<std::string*> memories_;
    std::optional<std::uint32_t> lastFlush_;
};

}  // namespace orbo::recording

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/RecordedLevels.h"

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "game/core/Platform.h"
#include "game/recording/RecordingReader.h"

namespace orbo::recording {

bool madeOnTheseLevels(std::istream& recording, const std::filesystem::path& programDir) {
    LevelFiles& disk = levelFilesOnDisk();
    RecordingReader reader(recording);
    Record record;
    while (reader.next(record)) {
        if (record.kind == RecordKind::LevelCount) {
            const auto count = disk.count(resolveProgramPath(programDir, program_files::lowerCaseLevelFolder()));
            if (count != (record.ok ? std::optional<int>(static_cast<int>(record.number)) : std::nullopt)) return false;
        }
        if (record.kind != RecordKind::Level || std::filesystem::path(record.text).is_absolute()) continue;
        const auto rows = disk.read(resolveProgramPath(programDir, record.text));
        if (rows != (record.ok ? std::optional<LevelRows>(record.rows) : std::nullopt)) return false;
    }
    return true;
}

}  // namespace orbo::recording

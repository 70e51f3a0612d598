// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/Records.h"

namespace orbo::recording {

std::string_view kindName(RecordKind kind) {
    switch (kind) {
        case RecordKind::Begin: return "a session's beginning";
        case RecordKind::End: return "a session's end";
        case RecordKind::Close: return "the recording's end";
        case RecordKind::Tick: return "a tick count";
        case RecordKind::TimeOfDay: return "the time of day";
        case RecordKind::Seed: return "a seeding of the random draws";
        case RecordKind::Keys: return "the keys";
        case RecordKind::Pump: return "the window's messages";
        case RecordKind::SoundOpen: return "the sound device";
        case RecordKind::DisplayOpen: return "the screen";
        case RecordKind::Picture: return "a picture";
        case RecordKind::Flip: return "a flip";
        case RecordKind::LevelCount: return "the level count";
        case RecordKind::Level: return "a level file";
    }
    return "an unknown record";
}

std::string levelFileName(const std::filesystem::path& programDir, const std::filesystem::path& file) {
    const std::filesystem::path relative = file.lexically_normal().lexically_relative(programDir.lexically_normal());
    if (!programDir.empty() && !relative.empty() && *relative.begin() != "..") return relative.generic_string();
    return file.native();
}

}  // namespace orbo::recording

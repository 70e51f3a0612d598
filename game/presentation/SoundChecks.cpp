// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <span>
#include <string>

#include "common/FileRead.h"
#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/formats/TuneCheck.h"
#include "common/formats/WaveCheck.h"
#include "game/core/Level.h"
#include "game/presentation/Presentation.h"

namespace orbo {
namespace {

constexpr const char* BrokenTuneText = "Мелодию не удаётся проиграть, игра будет без музыки: ";
constexpr const char* BrokenSoundsText = "Не удаётся прочитать звуки, игра будет без них:";

using ContentCheck = bool (*)(std::span<const std::uint8_t>);

// Only a whole, ordinary file is checked; anything else fails unread.
bool filePasses(const std::filesystem::path& file, std::size_t limit, ContentCheck check) {
    const FileRead read = readRegularFile(file, limit);
    if (read.error || !read.whole) return false;
    return check({reinterpret_cast<const std::uint8_t*>(read.bytes.data()), read.bytes.size()});
}

}  // namespace

void checkSoundFiles(Game& game) {
    MessageBox& messages = game.platform.messages;
    game.session.tuneRefused = false;
    if (game.settings.musicOn) {
        const auto tune = programPath(game, program_files::tuneFile());
        if (!filePasses(tune, LargestTuneBytes, isPlayableTune)) {
            game.session.tuneRefused = true;
            messages.show(BrokenTuneText + displayPath(tune), MessageIcon::None);
        }
    }
    if (!game.settings.soundOn) return;
    std::string unreadable;
    for (const auto& effect : program_files::effectFiles()) {
        const auto file = programPath(game, effect);
        if (!filePasses(file, LargestWaveBytes, isPlayableWave)) unreadable += "\n" + displayPath(file);
    }
    if (!unreadable.empty()) messages.show(BrokenSoundsText + unreadable, MessageIcon::None);
}

}  // namespace orbo

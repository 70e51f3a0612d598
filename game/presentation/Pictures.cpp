// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/presentation/Pictures.h"

#include <filesystem>

#include "common/Paths.h"
#include "common/formats/PictureHeader.h"
#include "game/core/Level.h"

namespace orbo {
namespace {

constexpr std::int32_t BlackKey = 0;

}  // namespace

std::unique_ptr<Surface> loadPicture(Game& game, int width, int height, const std::filesystem::path& relative) {
    const auto file = programPath(game, relative);
    // A header claiming more than the screen would take the decoder seconds and a gigabyte.
    if (checkPictureFile(file) == PictureCheck::TooLarge) {
        game.platform.messages.show(PictureTooLargeText + displayPath(file), MessageIcon::Critical);
        game.session.quit = true;
        return nullptr;
    }
    auto picture = game.platform.display.loadSurface(width, height, BlackKey, file);
    if (picture) return picture;
    std::error_code error;
    const char* text = std::filesystem::is_regular_file(file, error) ? UnreadableFileText : FileNotFoundText;
    game.platform.messages.show(text + displayPath(file), MessageIcon::Critical);
    game.session.quit = true;
    return nullptr;
}

}  // namespace orbo

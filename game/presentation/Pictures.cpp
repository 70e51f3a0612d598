#include "game/presentation/Pictures.h"

#include <filesystem>

#include "common/Paths.h"
#include "game/core/Level.h"

namespace orbo {
namespace {

constexpr std::int32_t BlackKey = 0;

}  // namespace

std::unique_ptr<Surface> loadPicture(Game& game, int width, int height, std::string_view relative) {
    const auto file = programPath(game, relative);
    auto picture = game.platform.display.loadSurface(width, height, BlackKey, file);
    if (picture) return picture;
    std::error_code error;
    const char* text = std::filesystem::is_regular_file(file, error) ? UnreadableFileText : FileNotFoundText;
    game.platform.messages.show(text + displayPath(file), MessageIcon::Critical);
    game.session.quit = true;
    return nullptr;
}

}  // namespace orbo

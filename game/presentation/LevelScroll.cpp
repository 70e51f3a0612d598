// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/presentation/Presentation.h"

namespace orbo {
namespace {

constexpr std::uint32_t ScrollStepMs = 50;

void drawStrip(Game& game, int offset) {
    Display& display = game.platform.display;
    const Rect cell = makeRect(0, 0, CellWidth, CellHeight);
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = game.scrollStrip.at(col, offset + row);
            if (code < 0 || code >= static_cast<int>(game.spriteSets.size())) continue;
            const auto& picture = game.spriteSets[static_cast<std::size_t>(code)].frames[0];
            if (picture) display.drawSprite(col * CellWidth, row * CellHeight, *picture, cell);
        }
    }
}

// Seventeen pictures, 50 ms apart, slide the strip down from the level left to
// the level entered. A lost screen ends the slide; it has been reported.
class LevelScroll final : public LevelChangeView {
public:
    void showLevelChange(Game& game) override {
        Display& display = game.platform.display;
        for (int offset = ScrollStrip::LeftLevelRow; offset >= ScrollStrip::EnteredLevelRow; --offset) {
            drawStrip(game, offset);
            const bool shown = flipScreen(game);
            game.platform.clock.sleep(ScrollStepMs);
            display.clearBackBuffer();
            if (!shown) break;
        }
    }
};

}  // namespace

LevelChangeView& levelScroll() {
    static LevelScroll scroll;
    return scroll;
}

}  // namespace orbo

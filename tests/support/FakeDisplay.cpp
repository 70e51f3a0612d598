// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FakeDisplay.h"

#include "common/Paths.h"

namespace orbo::test {

bool FakeDisplay::open() {
    error_ = openError_;
    isOpen_ = openError_.empty();
    return isOpen_;
}

std::unique_ptr<Surface> FakeDisplay::loadSurface(int width, int height, std::int32_t colourKey,
                                                  const std::filesystem::path& file) {
    std::error_code error;
    if (requireFiles_ && !std::filesystem::is_regular_file(file, error)) return nullptr;
    loaded_.push_back(displayPath(file));
    return BlindDisplay::loadSurface(width, height, colourKey, file);
}

void FakeDisplay::drawSprite(int x, int y, const Surface& source, const Rect&) {
    back_.blits.push_back({x, y, static_cast<const headless::Picture&>(source).file()});
}

bool FakeDisplay::flip() {
    if (flipsUntilLost_ == 0) {
        error_ = "screen lost";
        return false;
    }
    if (flipsUntilLost_ > 0) --flipsUntilLost_;
    shown_.push_back(back_);
    return BlindDisplay::flip();
}

}  // namespace orbo::test

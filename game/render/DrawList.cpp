// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/DrawList.h"

#include <algorithm>

namespace orbo::sdl {

DrawList::DrawList(int width, int height)
    : width_(width),
      height_(height),
      blockColumns_((width + BlockWidth - 1) / BlockWidth),
      blockRows_((height + BlockHeight - 1) / BlockHeight),
      starts_(static_cast<std::size_t>(blockColumns_ * blockRows_) + 1, 0) {}

void DrawList::add(DrawCommand command) {
    const SDL_Rect screen{0, 0, width_, height_};
    SDL_Rect visible;
    if (SDL_IntersectRect(&command.to, &screen, &visible) != SDL_TRUE) return;
    command.from.x += visible.x - command.to.x;
    command.from.y += visible.y - command.to.y;
    command.to = visible;
    commands_.push_back(std::move(command));
}

SDL_Rect DrawList::blockArea(int block) const {
    const int x = block % blockColumns_ * BlockWidth;
    const int y = block / blockColumns_ * BlockHeight;
    return {x, y, std::min(BlockWidth, width_ - x), std::min(BlockHeight, height_ - y)};
}

void DrawList::blockSpan(const SDL_Rect& area, int& left, int& top, int& right, int& bottom) const {
    left = area.x / BlockWidth;
    top = area.y / BlockHeight;
    right = (area.x + area.w - 1) / BlockWidth;
    bottom = (area.y + area.h - 1) / BlockHeight;
}

void DrawList::index() {
    // Counted first, then filled: the index is two flat arrays, reused from frame to frame.
    std::fill(starts_.begin(), starts_.end(), 0u);
    for (const DrawCommand& command : commands_) {
        int left = 0, top = 0, right = 0, bottom = 0;
        blockSpan(command.to, left, top, right, bottom);
        for (int row = top; row <= bottom; ++row)
            for (int col = left; col <= right; ++col)
                ++starts_[static_cast<std::size_t>(row * blockColumns_ + col) + 1];
    }
    for (std::size_t block = 1; block < starts_.size(); ++block) starts_[block] += starts_[block - 1];
    entries_.resize(starts_.back());
    std::vector<std::uint32_t>& next = fillAt_;
    next.assign(starts_.begin(), starts_.end() - 1);
    for (std::uint32_t position = 0; position < commands_.size(); ++position) {
        int left = 0, top = 0, right = 0, bottom = 0;
        blockSpan(commands_[position].to, left, top, right, bottom);
        for (int row = top; row <= bottom; ++row)
            for (int col = left; col <= right; ++col)
                entries_[next[static_cast<std::size_t>(row * blockColumns_ + col)]++] = position;
    }
}

bool DrawList::sameBlock(const DrawList& other, int block) const {
    const std::uint32_t* mine = blockBegin(block);
    const std::uint32_t* theirs = other.blockBegin(block);
    if (blockEnd(block) - mine != other.blockEnd(block) - theirs) return false;
    for (; mine != blockEnd(block); ++mine, ++theirs)
        if (!commands_[*mine].sameAs(other.commands_[*theirs])) return false;
    return true;
}

}  // namespace orbo::sdl

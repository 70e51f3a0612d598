// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/FrameComposer.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "game/render/PictureFile.h"

namespace orbo::sdl {
namespace {

bool intersect(const SDL_Rect& a, const SDL_Rect& b, SDL_Rect& result) {
    return SDL_IntersectRect(&a, &b, &result) == SDL_TRUE;
}

template <typename Pixel>
Pixel* pixelRow(SDL_Surface& surface, int y) {
    return reinterpret_cast<Pixel*>(static_cast<std::uint8_t*>(surface.pixels) +
                                    static_cast<std::ptrdiff_t>(y) * surface.pitch);
}

template <typename Pixel>
const Pixel* pixelRow(const SDL_Surface& surface, int y) {
    return reinterpret_cast<const Pixel*>(static_cast<const std::uint8_t*>(surface.pixels) +
                                          static_cast<std::ptrdiff_t>(y) * surface.pitch);
}

// The picture's 16-bit pixels over the target's, except those of the key colour.
void keyedCopy(const DrawCommand& command, SDL_Surface& target, const SDL_Rect& area) {
    const SDL_Surface& source = *command.source.get();
    Uint32 key = 0;
    const bool keyed = SDL_GetColorKey(command.source.get(), &key) == 0;
    const auto keyPixel = static_cast<std::uint16_t>(key);
    const int sourceX = command.from.x + area.x - command.to.x;
    const int sourceY = command.from.y + area.y - command.to.y;
    const auto width = static_cast<std::size_t>(area.w);
    for (int row = 0; row < area.h; ++row) {
        const std::uint16_t* from = pixelRow<std::uint16_t>(source, sourceY + row) + sourceX;
        std::uint16_t* to = pixelRow<std::uint16_t>(target, area.y + row) + area.x;
        if (!keyed) {
            std::memcpy(to, from, width * sizeof(std::uint16_t));
            continue;
        }
        for (std::size_t x = 0; x < width; ++x) to[x] = from[x] == keyPixel ? to[x] : from[x];
    }
}

}  // namespace

void drawCommand(const DrawCommand& command, SDL_Surface& target, const SDL_Rect& clip) {
    SDL_Rect area;
    if (!intersect(command.to, clip, area)) return;
    switch (command.kind) {
        case DrawCommand::Kind::KeyedCopy: keyedCopy(command, target, area); return;
        case DrawCommand::Kind::Fill: SDL_FillRect(&target, &area, command.pixel); return;
        case DrawCommand::Kind::Blend: {
            // SDL's own blit, as a renderer's copy of a blended texture does it, held inside the area.
            SDL_Rect source{command.from.x, command.from.y, command.to.w, command.to.h};
            SDL_Rect place = command.to;
            SDL_SetClipRect(&target, &area);
            SDL_BlitSurface(command.source.get(), &source, &target, &place);
            SDL_SetClipRect(&target, nullptr);
            return;
        }
    }
}

FrameComposer::FrameComposer(int width, int height)
    : lists_{DrawList(width, height), DrawList(width, height)},
      frame_(makeSurface565(width, height)),
      dirty_(static_cast<std::size_t>(lists_[0].blocks()), 0) {
    restart();
}

void FrameComposer::restart() {
    for (DrawList& list : lists_) {
        list.clear();
        list.index();
    }
    if (frame_) SDL_FillRect(frame_.get(), nullptr, 0);
    changed_.clear();
}

void FrameComposer::compose(const DrawList& list, SDL_Surface& target, const SDL_Rect& area) {
    SDL_FillRect(&target, &area, 0);
    for (const DrawCommand& command : list.commands()) drawCommand(command, target, area);
}

void FrameComposer::redrawBlock(int block) {
    const SDL_Rect area = back_->blockArea(block);
    SDL_FillRect(frame_.get(), &area, 0);
    for (const std::uint32_t* entry = back_->blockBegin(block); entry != back_->blockEnd(block); ++entry)
        drawCommand(back_->commands()[*entry], *frame_, area);
}

const std::vector<SDL_Rect>& FrameComposer::flip() {
    back_->index();
    if (frame_) {
        int changedBlocks = 0;
        for (int block = 0; block < back_->blocks(); ++block) {
            const bool changed = !back_->sameBlock(*shown_, block);
            dirty_[static_cast<std::size_t>(block)] = changed ? 1 : 0;
            changedBlocks += changed ? 1 : 0;
        }
        // Most of the screen changed (a title, a new level): one pass over the
        // steps costs less than replaying them block by block.
        if (2 * changedBlocks > back_->blocks()) {
            std::fill(dirty_.begin(), dirty_.end(), std::uint8_t{1});
            compose(*back_, *frame_, {0, 0, frame_->w, frame_->h});
        } else {
            for (int block = 0; block < back_->blocks(); ++block)
                if (dirty_[static_cast<std::size_t>(block)]) redrawBlock(block);
        }
    }
    collectChanged();
    std::swap(back_, shown_);
    return changed_;
}

// Runs of changed blocks along each block row; a run under one of the same
// columns that ends just above it makes that rectangle taller.
void FrameComposer::collectChanged() {
    changed_.clear();
    const int columns = back_->blockColumns();
    for (int row = 0; row < back_->blockRows(); ++row) {
        for (int col = 0; col < columns;) {
            if (!dirty_[static_cast<std::size_t>(row * columns + col)]) {
                ++col;
                continue;
            }
            const int first = col;
            while (col < columns && dirty_[static_cast<std::size_t>(row * columns + col)]) ++col;
            const SDL_Rect left = back_->blockArea(row * columns + first);
            const SDL_Rect right = back_->blockArea(row * columns + col - 1);
            const SDL_Rect run{left.x, left.y, right.x + right.w - left.x, left.h};
            const auto above = std::find_if(changed_.begin(), changed_.end(), [&](const SDL_Rect& r) {
                return r.x == run.x && r.w == run.w && r.y + r.h == run.y;
            });
            if (above != changed_.end())
                above->h += run.h;
            else
                changed_.push_back(run);
        }
    }
}

}  // namespace orbo::sdl

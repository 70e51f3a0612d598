// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include <SDL.h>

namespace orbo::sdl {

// Shares a surface's pixels by SDL's own reference count, so that a remembered
// frame keeps every picture it shows alive and no other picture can take its address.
class SurfaceRef {
public:
    SurfaceRef() = default;
    explicit SurfaceRef(SDL_Surface* surface) : surface_(surface) {
        if (surface_) ++surface_->refcount;
    }
    SurfaceRef(const SurfaceRef& other) : SurfaceRef(other.surface_) {}
    SurfaceRef(SurfaceRef&& other) noexcept : surface_(other.surface_) { other.surface_ = nullptr; }
    SurfaceRef& operator=(SurfaceRef other) noexcept {
        std::swap(surface_, other.surface_);
        return *this;
    }
    ~SurfaceRef() { SDL_FreeSurface(surface_); }

    SDL_Surface* get() const { return surface_; }

private:
    SDL_Surface* surface_ = nullptr;
};

// One drawing step of a frame, already clipped to the screen.
struct DrawCommand {
    enum class Kind : std::uint8_t {
        KeyedCopy,  // the source's pixels, leaving out its colour key
        Blend,      // the source blended by its alpha, as SDL blits it
        Fill,       // a solid pixel value
    };
    Kind kind = Kind::Fill;
    SDL_Rect to{};      // the screen area it covers
    SDL_Point from{};   // the source pixel that lands on to's top-left corner
    Uint32 pixel = 0;   // Fill: the RGB565 value
    SurfaceRef source;  // KeyedCopy and Blend

    // Two equal commands draw the same pixels on the same frame underneath.
    bool sameAs(const DrawCommand& other) const {
        return kind == other.kind && to.x == other.to.x && to.y == other.to.y && to.w == other.to.w &&
               to.h == other.to.h && from.x == other.from.x && from.y == other.from.y && pixel == other.pixel &&
               source.get() == other.source.get();
    }
};

// The frame as the steps that draw it on black, and, once indexed, which steps
// touch each block of the screen, in drawing order.
class DrawList {
public:
    // Half a cell each way: a changed tile is redrawn exactly, with no border of its neighbours.
    static constexpr int BlockWidth = 32;
    static constexpr int BlockHeight = 25;

    DrawList(int width, int height);

    void clear() { commands_.clear(); }
    // Keeps the part of the command on the screen; one wholly off it is dropped.
    void add(DrawCommand command);
    const std::vector<DrawCommand>& commands() const { return commands_; }

    int width() const { return width_; }
    int height() const { return height_; }
    int blockColumns() const { return blockColumns_; }
    int blockRows() const { return blockRows_; }
    int blocks() const { return blockColumns_ * blockRows_; }
    SDL_Rect blockArea(int block) const;

    // Brings the per-block index up to date with the commands.
    void index();
    // The commands touching a block, by position in commands(); valid after index().
    const std::uint32_t* blockBegin(int block) const {
        return entries_.data() + starts_[static_cast<std::size_t>(block)];
    }
    const std::uint32_t* blockEnd(int block) const {
        return entries_.data() + starts_[static_cast<std::size_t>(block) + 1];
    }

    // True when the block's commands are the same, in the same order, in both lists.
    bool sameBlock(const DrawList& other, int block) const;

private:
    // The blocks a screen area touches, as inclusive block columns and rows.
    void blockSpan(const SDL_Rect& area, int& left, int& top, int& right, int& bottom) const;

    int width_;
    int height_;
    int blockColumns_;
    int blockRows_;
    std::vector<DrawCommand> commands_;
    std::vector<std::uint32_t> starts_;
    std::vector<std::uint32_t> entries_;
    std::vector<std::uint32_t> fillAt_;  // where index() puts each block's next entry
};

}  // namespace orbo::sdl

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/formats/LevelFile.h"
#include "game/core/Draws.h"

// The seams between the game and the machine. The game reaches time, input,
// the screen, sound and the user only through these; each has a real
// implementation and a fake that lets whole sessions run headless.
namespace orbo {

class TickClock {
public:
    virtual ~TickClock() = default;
    // Milliseconds on a 32-bit counter that wraps.
    virtual std::uint32_t tickCount() = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
    // Seconds since midnight, with fractions.
    virtual float secondsSinceMidnight() = 0;
};

// Milliseconds from an earlier reading to a later one, right across the wrap.
constexpr std::uint32_t elapsedMs(std::uint32_t now, std::uint32_t then) { return now - then; }

class Random {
public:
    virtual ~Random() = default;
    virtual void seedFromTimeOfDay() = 0;
    // Uniform in [0, 1).
    virtual float next() = 0;
    // Which draws next() hands out since the last seeding: all a recording
    // needs to keep of them.
    virtual DrawSeed drawSeed() const = 0;
};

// 256 bytes indexed by keyboard scan code; non-zero means the key is down.
using KeyState = std::array<std::uint8_t, 256>;

class KeyboardDevice {
public:
    virtual ~KeyboardDevice() = default;
    // False when the keyboard cannot report its state this time.
    virtual bool readState(KeyState& state) = 0;
};

// Left, top, right, bottom; right and bottom lie one pixel beyond the area.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

constexpr Rect makeRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    return {left, top, right, bottom};
}

// A picture prepared for drawing: already at the size it is drawn at.
class Surface {
public:
    virtual ~Surface() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

// The play screen: a 1024 x 768 back buffer that is composed and then flipped.
class Display {
public:
    virtual ~Display() = default;
    // Sets up the screen and its back buffer; false when that fails (see lastError).
    virtual bool open() = 0;
    // Restores the desktop and releases the screen.
    virtual void close() = 0;
    virtual std::string lastError() const = 0;
    // The picture file scaled to width x height, with pixel value colourKey left
    // out of keyed copies; null when the file is missing or unreadable.
    virtual std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t colourKey,
                                                 const std::filesystem::path& file) = 0;
    virtual void clearBackBuffer() = 0;
    // Unscaled copy of source's area to (x, y), leaving out the key colour.
    virtual void drawSprite(int x, int y, const Surface& source, const Rect& sourceArea) = 0;
    // Shows the back buffer, waiting for the display; false when the screen was lost.
    virtual bool flip() = 0;
    // Colour as 0x00BBGGRR, for the following text and lines.
    virtual void setForeColor(std::uint32_t colour) = 0;
    virtual void drawText(int x, int y, std::string_view utf8) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void setDrawWidth(int width) = 0;
    virtual void showPointer(bool shown) = 0;
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // False when no sound device can be opened.
    virtual bool open() = 0;
    virtual void close() = 0;
    // Loads a wave file into a slot; a file that fails leaves the slot silent.
    virtual void load(int slot, const std::filesystem::path& file) = 0;
    // Stops the slot's sound, rewinds it and plays it once; an empty slot is silent.
    virtual void play(int slot) = 0;
};

class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    virtual void init() = 0;
    // Starts the tune from its beginning; a tune that cannot be played is silence.
    virtual void play(const std::filesystem::path& file) = 0;
    virtual bool isPlaying() = 0;
    virtual void stop() = 0;
};

enum class MessageIcon { None, Critical };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the text with an OK button and returns when it is closed.
    virtual void show(std::string_view text, MessageIcon icon) = 0;
};

// What the window system asked of the game since the previous pass.
struct WindowEvents {
    // The play window's close box, Alt+F4 or the like.
    bool closeRequested = false;
    // The play window lost the keyboard focus.
    bool focusLost = false;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Lets pending window messages through; answers the window events among them.
    virtual WindowEvents pumpMessages() = 0;
};

// The level files as the game finds them: counted in the level folder and read
// one by one.
class LevelFiles {
public:
    virtual ~LevelFiles() = default;
    // The number of ordinary files in the folder; empty when it is missing or cannot be read.
    virtual std::optional<int> count(const std::filesystem::path& folder) = 0;
    // The rows of a level file; empty when it is no ordinary file or cannot be read.
    virtual std::optional<LevelRows> read(const std::filesystem::path& file) = 0;
};

// The level files on disk, which every machine reads unless it is given others.
LevelFiles& levelFilesOnDisk();

struct Platform {
    std::filesystem::path programDir;
    TickClock& clock;
    Random& random;
    KeyboardDevice& keyboard;
    Display& display;
    SoundDevice& sound;
    MusicPlayer& music;
    MessageBox& messages;
    EventPump& events;
    LevelFiles& levels = levelFilesOnDisk();
};

}  // namespace orbo

#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "game/core/Platform.h"

// Stand-ins for the machine that make a whole session run headless and
// deterministically: virtual time, scripted keys, recorded output.
namespace orbo::fake {

// Virtual time: it moves only when the game waits or a driver advances it.
class Clock : public TickClock {
public:
    explicit Clock(std::uint32_t tick0 = 1000000) : tick_(tick0) {}
    std::uint32_t tickCount() override { return tick_; }
    void sleep(std::uint32_t milliseconds) override { tick_ += milliseconds; }
    float secondsSinceMidnight() override;
    void advance(std::uint32_t milliseconds) { tick_ += milliseconds; }
    void setTick(std::uint32_t tick) { tick_ = tick; }
    // Seconds since midnight at the first reading; later readings follow the ticks.
    void setTimeOfDay(double seconds) { timeOfDayBase_ = seconds; }

private:
    std::uint32_t tick_;
    std::uint32_t tickAtBase_ = tick_;
    double timeOfDayBase_ = 12 * 3600.0;
};

// The same draws every session for the same seed; queued values come first.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint32_t seed = 1) : seed_(seed), engine_(seed) {}
    void seedFromTimeOfDay() override { engine_.seed(seed_); }
    float next() override;
    void queue(std::initializer_list<float> values) { queued_.insert(queued_.end(), values); }
    int draws() const { return draws_; }

private:
    std::uint32_t seed_;
    std::mt19937 engine_;
    std::deque<float> queued_;
    int draws_ = 0;
};

class Keyboard : public KeyboardDevice {
public:
    bool readState(KeyState& state) override;
    void press(std::initializer_list<int> scanCodes);
    void releaseAll() { state_.fill(0); }
    void setBroken(bool broken) { broken_ = broken; }

private:
    KeyState state_{};
    bool broken_ = false;
};

class Surface : public orbo::Surface {
public:
    Surface(int width, int height, std::string file) : width_(width), height_(height), file_(std::move(file)) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::string& file() const { return file_; }

private:
    int width_;
    int height_;
    std::string file_;
};

// Keeps no pixels; records what was drawn so tests can read the frame back.
class Display : public orbo::Display {
public:
    struct Blit {
        int x;
        int y;
        std::string file;
    };
    struct Text {
        int x;
        int y;
        std::string text;
        std::uint32_t colour;
    };
    struct Line {
        int x1, y1, x2, y2;
        int width;
        std::uint32_t colour;
    };
    // What one flipped frame held.
    struct Frame {
        std::vector<Blit> blits;
        std::vector<Text> texts;
        std::vector<Line> lines;
    };

    explicit Display(TickClock* clock = nullptr, std::uint32_t frameMs = 16) : clock_(clock), frameMs_(frameMs) {}

    bool open() override;
    void close() override { isOpen_ = false; }
    std::string lastError() const override { return error_; }
    std::unique_ptr<orbo::Surface> loadSurface(int width, int height, std::int32_t colourKey,
                                               const std::filesystem::path& file) override;
    void clearBackBuffer() override { current_ = {}; }
    void drawSprite(int x, int y, const orbo::Surface& source, const Rect& sourceArea) override;
    bool flip() override;
    void setForeColor(std::uint32_t colour) override { colour_ = colour; }
    void drawText(int x, int y, std::string_view utf8) override {
        current_.texts.push_back({x, y, std::string(utf8), colour_});
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        current_.lines.push_back({x1, y1, x2, y2, width_, colour_});
    }
    void setDrawWidth(int width) override { width_ = width; }
    void showPointer(bool shown) override { pointerShown_ = shown; }

    // Failures to act out.
    void failOpen(std::string error) { openError_ = std::move(error); }
    void loseScreenAfter(int flips) { flipsUntilLost_ = flips; }
    // Only files that exist load, as on a real screen.
    void requireFiles(bool required) { requireFiles_ = required; }

    bool isOpen() const { return isOpen_; }
    bool pointerShown() const { return pointerShown_; }
    int flips() const { return flips_; }
    const Frame& lastFrame() const { return last_; }
    const Frame& backBuffer() const { return current_; }
    const std::vector<std::string>& loadedFiles() const { return loaded_; }

private:
    TickClock* clock_;
    std::uint32_t frameMs_;
    bool isOpen_ = false;
    bool pointerShown_ = true;
    bool requireFiles_ = false;
    std::string openError_;
    std::string error_;
    int flipsUntilLost_ = -1;
    int flips_ = 0;
    std::uint32_t colour_ = 0xFFFFFF;
    int width_ = 1;
    Frame current_;
    Frame last_;
    std::vector<std::string> loaded_;
};

class Sound : public SoundDevice {
public:
    bool open() override { return available_; }
    void close() override {}
    void load(int slot, const std::filesystem::path& file) override;
    void play(int slot) override { played_.push_back(slot); }
    void setAvailable(bool available) { available_ = available; }
    // Effects played since the last call.
    std::vector<int> takePlayed() { return std::exchange(played_, {}); }
    const std::vector<int>& played() const { return played_; }
    const std::vector<std::string>& loaded() const { return loaded_; }

private:
    bool available_ = true;
    std::vector<int> played_;
    std::vector<std::string> loaded_;
};

class Music : public MusicPlayer {
public:
    void init() override { ++inits_; }
    void play(const std::filesystem::path& file) override;
    bool isPlaying() override { return playing_; }
    void stop() override;
    // The tune runs out, as at the end of its last bar.
    void end() { playing_ = false; }
    int inits() const { return inits_; }
    int starts() const { return starts_; }
    int stops() const { return stops_; }

private:
    bool playing_ = false;
    int inits_ = 0;
    int starts_ = 0;
    int stops_ = 0;
};

class MessageBox : public orbo::MessageBox {
public:
    void show(std::string_view text, MessageIcon) override { shown_.emplace_back(text); }
    std::vector<std::string> takeShown() { return std::exchange(shown_, {}); }
    const std::vector<std::string>& shown() const { return shown_; }

private:
    std::vector<std::string> shown_;
};

// Runs an optional hook each time the game lets messages through, then reports
// the window events the hook (or a test) left pending.
class EventPump : public orbo::EventPump {
public:
    WindowEvents pumpMessages() override {
        if (onPump) onPump();
        return std::exchange(pending, {});
    }
    std::function<void()> onPump;
    WindowEvents pending;
};

// A complete fake machine for a program folder.
struct Machine {
    explicit Machine(std::filesystem::path programDir, std::uint32_t tick0 = 1000000, std::uint32_t seed = 1,
                     std::uint32_t frameMs = 16)
        : clock(tick0),
          random(seed),
          display(&clock, frameMs),
          platform{std::move(programDir), clock, random, keyboard, display, sound, music, messages, events} {}

    Clock clock;
    SeededRandom random;
    Keyboard keyboard;
    Display display;
    Sound sound;
    Music music;
    MessageBox messages;
    EventPump events;
    Platform platform;
};

}  // namespace orbo::fake

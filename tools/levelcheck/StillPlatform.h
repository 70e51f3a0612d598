#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "game/core/Platform.h"

// The least of a machine the movement and shot rules need to be tried on a
// level: a clock that stands still unless the game waits, no screen, no sound,
// no keys and no messages.
namespace orbo::levelcheck {

class StillClock : public TickClock {
public:
    // Any time will do, as long as it is not 0, which marks a hole as unused.
    std::uint32_t tickCount() override { return tick_; }
    void sleep(std::uint32_t milliseconds) override { tick_ += milliseconds; }
    float secondsSinceMidnight() override { return 0.0f; }

private:
    std::uint32_t tick_ = 1000000;
};

class NoRandom : public Random {
public:
    void seedFromTimeOfDay() override {}
    float next() override { return 0.0f; }
};

class NoKeyboard : public KeyboardDevice {
public:
    bool readState(KeyState& state) override {
        state.fill(0);
        return true;
    }
};

class NoDisplay : public Display {
public:
    bool open() override { return false; }
    void close() override {}
    std::string lastError() const override { return "no screen"; }
    std::unique_ptr<Surface> loadSurface(int, int, std::int32_t, const std::filesystem::path&) override { return {}; }
    void clearBackBuffer() override {}
    void drawSprite(int, int, const Surface&, const Rect&) override {}
    bool flip() override { return false; }
    void setForeColor(std::uint32_t) override {}
    void drawText(int, int, std::string_view) override {}
    void drawLine(int, int, int, int) override {}
    void setDrawWidth(int) override {}
    void showPointer(bool) override {}
};

class NoSound : public SoundDevice {
public:
    bool open() override { return false; }
    void close() override {}
    void load(int, const std::filesystem::path&) override {}
    void play(int) override {}
};

class NoMusic : public MusicPlayer {
public:
    void init() override {}
    void play(const std::filesystem::path&) override {}
    bool isPlaying() override { return false; }
    void stop() override {}
};

class NoMessages : public MessageBox {
public:
    void show(std::string_view, MessageIcon) override {}
};

class NoEvents : public EventPump {
public:
    WindowEvents pumpMessages() override { return {}; }
};

struct StillMachine {
    StillClock clock;
    NoRandom random;
    NoKeyboard keyboard;
    NoDisplay display;
    NoSound sound;
    NoMusic music;
    NoMessages messages;
    NoEvents events;
    Platform platform{".", clock, random, keyboard, display, sound, music, messages, events};
};

}  // namespace orbo::levelcheck

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "game/core/GameState.h"
#include "game/recording/Recording.h"
#include "game/recording/Records.h"
#include "game/recording/Trace.h"

namespace orbo::recording {

// A machine that records the game played on it: around each seam of another
// machine, a part that passes every call on and writes down what the game read
// (tick counts, the seed of the draws, the keys, the window events, whether the
// sound device, the screen, each picture and each flip worked, the level files),
// pass by pass. Played back, the same answers give the same game.
class Recorder {
public:
    Recorder(Platform& machine, Recording& recording);
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // What the game is to be played on.
    Platform& platform() { return platform_; }

    // Sessions are recorded between these two.
    void beginSession(const SessionBegin& begin);
    void endSession(const Game& game);
    // The program is done with the recording: it ends with a closing record.
    void close();

private:
    class Clock : public TickClock {
    public:
        Clock(TickClock& machine, Encoder& encoder) : machine_(machine), encoder_(encoder) {}
        std::uint32_t tickCount() override;
        void sleep(std::uint32_t milliseconds) override { machine_.sleep(milliseconds); }
        float secondsSinceMidnight() override;
        std::uint32_t lastTick() const { return lastTick_; }

    private:
        TickClock& machine_;
        Encoder& encoder_;
        std::uint32_t lastTick_ = 0;
    };

    class Draws : public Random {
    public:
        Draws(Random& machine, Encoder& encoder) : machine_(machine), encoder_(encoder) {}
        void seedFromTimeOfDay() override;
        float next() override { return machine_.next(); }
        DrawSeed drawSeed() const override { return machine_.drawSeed(); }

    private:
        Random& machine_;
        Encoder& encoder_;
    };

    class Keys : public KeyboardDevice {
    public:
        Keys(KeyboardDevice& machine, Encoder& encoder) : machine_(machine), encoder_(encoder) {}
        bool readState(KeyState& state) override;

    private:
        KeyboardDevice& machine_;
        Encoder& encoder_;
    };

    class Screen : public Display {
    public:
        Screen(Display& machine, Encoder& encoder) : machine_(machine), encoder_(encoder) {}
        bool open() override;
        void close() override { machine_.close(); }
        std::string lastError() const override { return machine_.lastError(); }
        std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t colourKey,
                                             const std::filesystem::path& file) override;
        void clearBackBuffer() override { machine_.clearBackBuffer(); }
        void drawSprite(int x, int y, const Surface& source, const Rect& area) override {
            machine_.drawSprite(x, y, source, area);
        }
        bool flip() override;
        void setForeColor(std::uint32_t colour) override { machine_.setForeColor(colour); }
        void drawText(int x, int y, std::string_view utf8) override { machine_.drawText(x, y, utf8); }
        void drawLine(int x1, int y1, int x2, int y2) override { machine_.drawLine(x1, y1, x2, y2); }
        void setDrawWidth(int width) override { machine_.setDrawWidth(width); }
        void showPointer(bool shown) override { machine_.showPointer(shown); }

    private:
        Display& machine_;
        Encoder& encoder_;
    };

    class Sound : public SoundDevice {
    public:
        Sound(SoundDevice& machine, Encoder& encoder, SessionOutputs& outputs)
            : machine_(machine), encoder_(encoder), outputs_(outputs) {}
        bool open() override;
        void close() override { machine_.close(); }
        void load(int slot, const std::filesystem::path& file) override { machine_.load(slot, file); }
        void play(int slot) override;

    private:
        SoundDevice& machine_;
        Encoder& encoder_;
        SessionOutputs& outputs_;
    };

    class Messages : public MessageBox {
    public:
        Messages(MessageBox& machine, SessionOutputs& outputs) : machine_(machine), outputs_(outputs) {}
        void show(std::string_view text, MessageIcon icon) override;

    private:
        MessageBox& machine_;
        SessionOutputs& outputs_;
    };

    class Events : public EventPump {
    public:
        Events(EventPump& machine, Recording& recording, const Clock& clock)
            : machine_(machine), recording_(recording), clock_(clock) {}
        WindowEvents pumpMessages() override;
        int passes = 0;

    private:
        EventPump& machine_;
        Recording& recording_;
        const Clock& clock_;
    };

    class Levels : public LevelFiles {
    public:
        Levels(LevelFiles& machine, Encoder& encoder, std::filesystem::path programDir)
            : machine_(machine), encoder_(encoder), programDir_(std::move(programDir)) {}
        std::optional<int> count(const std::filesystem::path& folder) override;
        std::optional<LevelRows> read(const std::filesystem::path& file) override;

    private:
        LevelFiles& machine_;
        Encoder& encoder_;
        std::filesystem::path programDir_;
    };

    Recording& recording_;
    SessionOutputs outputs_;
    int session_ = 0;
    Clock clock_;
    Draws random_;
    Keys keyboard_;
    Screen display_;
    Sound sound_;
    Messages messages_;
    Events events_;
    Levels levels_;
    Platform platform_;
};

}  // namespace orbo::recording

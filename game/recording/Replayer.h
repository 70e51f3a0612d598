// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "game/core/GameState.h"
#include "game/recording/RecordingReader.h"
#include "game/recording/ReplayScreen.h"
#include "game/recording/Trace.h"

namespace orbo::recording {

// Thrown out of a replayed game where the recording has no more answers for
// it: the recording ends there, or the recorded session was left there.
struct RecordingOver {};

// Thrown where the game asks what the recording does not answer, or where this
// machine cannot do what the recorded one did (open the screen, load a picture).
struct ReplayFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A machine that answers the game as a recording says the recorded machine
// did, read as it goes. The screen, the sound, the music and the message boxes
// are another machine's: the replay is drawn, played and shown there, and,
// given a ReplayScreen, paced, marked and stopped by the viewer.
class Replayer {
public:
    struct Machine {
        std::filesystem::path programDir;
        Display& display;
        SoundDevice& sound;
        MusicPlayer& music;
        MessageBox& messages;
        EventPump& events;
    };

    Replayer(RecordingReader& reader, const Machine& machine, ReplayScreen* screen = nullptr);
    Replayer(const Replayer&) = delete;
    Replayer& operator=(const Replayer&) = delete;

    // What the game is to be replayed on.
    Platform& platform() { return platform_; }

    // Between sessions: the next record; false when the recording has no more.
    bool nextBetweenSessions(Record& record);
    // A session begins / its line as the replay ends it, to set beside the recorded one.
    void beginSession();
    std::string endLine(const Game& game) const;

    int session() const { return session_; }
    // How the recording ended, once it has.
    const ReadEnd& recordingEnd() const { return reader_.end(); }
    int passes() const { return events_.passes; }
    std::uint32_t lastTick() const { return clock_.lastTick; }
    // What was played and shown since the session began.
    const SessionOutputs& outputs() const { return outputs_; }
    // Runs at the start of every pass, before its answers are read.
    std::function<void()> onPass;

private:
    // The next record, which must be of this kind.
    Record& take(RecordKind kind);

    class Clock : public TickClock {
    public:
        explicit Clock(Replayer& replay) : replay_(replay) {}
        std::uint32_t tickCount() override;
        void sleep(std::uint32_t milliseconds) override;
        float secondsSinceMidnight() override;
        std::uint32_t lastTick = 0;

    private:
        Replayer& replay_;
    };

    class Draws : public Random {
    public:
        explicit Draws(Replayer& replay) : replay_(replay) {}
        void seedFromTimeOfDay() override;
        float next() override { return draws_.next(); }
        DrawSeed drawSeed() const override { return draws_.seed(); }

    private:
        Replayer& replay_;
        SeededDraws draws_;
    };

    class Keys : public KeyboardDevice {
    public:
        explicit Keys(Replayer& replay) : replay_(replay) {}
        bool readState(KeyState& state) override;

    private:
        Replayer& replay_;
    };

    class Screen : public Display {
    public:
        Screen(Replayer& replay, Display& machine) : replay_(replay), machine_(machine) {}
        bool open() override;
        void close() override { machine_.close(); }
        std::string lastError() const override { return recordedError_; }
        std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t colourKey,
                                             const std::filesystem::path& file) override;
        void clearBackBuffer() override { machine_.clearBackBuffer(); }
        void drawSprite(int x, int y, const Surface& source, const Rect& area) override {
            machine_.drawSprite(x, y, source, area);
        }
        bool flip() override;
        void setForeColor(std::uint32_t colour) override;
        void drawText(int x, int y, std::string_view utf8) override { machine_.drawText(x, y, utf8); }
        void drawLine(int x1, int y1, int x2, int y2) override { machine_.drawLine(x1, y1, x2, y2); }
        void setDrawWidth(int width) override { machine_.setDrawWidth(width); }
        void showPointer(bool shown) override { machine_.showPointer(shown); }

    private:
        void drawMark();

        Replayer& replay_;
        Display& machine_;
        std::string recordedError_;
        std::uint32_t gameColour_ = 0;
    };

    class Sound : public SoundDevice {
    public:
        Sound(Replayer& replay, SoundDevice& machine) : replay_(replay), machine_(machine) {}
        bool open() override;
        void close() override { machine_.close(); }
        void load(int slot, const std::filesystem::path& file) override { machine_.load(slot, file); }
        void play(int slot) override;

    private:
        Replayer& replay_;
        SoundDevice& machine_;
    };

    class Messages : public MessageBox {
    public:
        Messages(Replayer& replay, MessageBox& machine) : replay_(replay), machine_(machine) {}
        void show(std::string_view text, MessageIcon icon) override;

    private:
        Replayer& replay_;
        MessageBox& machine_;
    };

    class Events : public EventPump {
    public:
        Events(Replayer& replay, EventPump& machine) : replay_(replay), machine_(machine) {}
        WindowEvents pumpMessages() override;
        int passes = 0;

    private:
        Replayer& replay_;
        EventPump& machine_;
    };

    class Levels : public LevelFiles {
    public:
        explicit Levels(Replayer& replay) : replay_(replay) {}
        std::optional<int> count(const std::filesystem::path& folder) override;
        std::optional<LevelRows> read(const std::filesystem::path& file) override;

    private:
        Replayer& replay_;
    };

    RecordingReader& reader_;
    ReplayScreen* screen_;
    Record record_;
    bool held_ = false;
    int session_ = 0;
    SessionOutputs outputs_;

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

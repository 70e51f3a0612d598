// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/Recorder.h"

namespace orbo::recording {

Recorder::Recorder(Platform& machine, Recording& recording)
    : recording_(recording),
      clock_(machine.clock, recording.encoder()),
      random_(machine.random, recording.encoder()),
      keyboard_(machine.keyboard, recording.encoder()),
      display_(machine.display, recording.encoder()),
      sound_(machine.sound, recording.encoder(), outputs_),
      messages_(machine.messages, outputs_),
      events_(machine.events, recording, clock_),
      levels_(machine.levels, recording.encoder(), machine.programDir),
      platform_{machine.programDir, clock_,    random_, keyboard_, display_, sound_,
                machine.music,      messages_, events_, levels_} {}

void Recorder::beginSession(const SessionBegin& begin) {
    ++session_;
    events_.passes = 0;
    outputs_ = {};
    recording_.encoder().begin(begin);
}

void Recorder::endSession(const Game& game) {
    recording_.encoder().end(sessionEndLine(game, clock_.lastTick(), session_, events_.passes, outputs_));
    recording_.flush();
}

void Recorder::close() {
    recording_.encoder().close();
    recording_.flush();
}

std::uint32_t Recorder::Clock::tickCount() {
    lastTick_ = machine_.tickCount();
    encoder_.tick(lastTick_);
    return lastTick_;
}

float Recorder::Clock::secondsSinceMidnight() {
    const float seconds = machine_.secondsSinceMidnight();
    encoder_.timeOfDay(seconds);
    return seconds;
}

void Recorder::Draws::seedFromTimeOfDay() {
    machine_.seedFromTimeOfDay();
    encoder_.seed(machine_.drawSeed());
}

bool Recorder::Keys::readState(KeyState& state) {
    const bool ok = machine_.readState(state);
    encoder_.keys(ok, state);
    return ok;
}

bool Recorder::Screen::open() {
    const bool ok = machine_.open();
    encoder_.displayOpen(ok, ok ? std::string() : machine_.lastError());
    return ok;
}

std::unique_ptr<Surface> Recorder::Screen::loadSurface(int width, int height, std::int32_t colourKey,
                                                       const std::filesystem::path& file) {
    auto picture = machine_.loadSurface(width, height, colourKey, file);
    encoder_.picture(picture != nullptr);
    return picture;
}

bool Recorder::Screen::flip() {
    const bool ok = machine_.flip();
    encoder_.flip(ok, ok ? std::string() : machine_.lastError());
    return ok;
}

bool Recorder::Sound::open() {
    const bool ok = machine_.open();
    encoder_.soundOpen(ok);
    return ok;
}

void Recorder::Sound::play(int slot) {
    outputs_.effects.push_back(slot);
    machine_.play(slot);
}

void Recorder::Messages::show(std::string_view text, MessageIcon icon) {
    outputs_.messages.emplace_back(text);
    machine_.show(text, icon);
}

// A pass begins here: what went before it goes out once a second has passed.
WindowEvents Recorder::Events::pumpMessages() {
    const WindowEvents events = machine_.pumpMessages();
    recording_.flushIfDue(clock_.lastTick());
    recording_.encoder().pump(events);
    ++passes;
    return events;
}

std::optional<int> Recorder::Levels::count(const std::filesystem::path& folder) {
    const auto count = machine_.count(folder);
    encoder_.levelCount(count);
    return count;
}

std::optional<LevelRows> Recorder::Levels::read(const std::filesystem::path& file) {
    auto rows = machine_.read(file);
    encoder_.level(levelFileName(programDir_, file), rows);
    return rows;
}

}  // namespace orbo::recording

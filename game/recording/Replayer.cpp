// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/Replayer.h"

#include <bit>

#include "common/Paths.h"

namespace orbo::recording {
namespace {

// The mark sits in the top right corner, under where F shows the frame rate.
constexpr int MarkX = 900;
constexpr int MarkY = 20;
constexpr std::uint32_t MarkColour = 0x00FFFF;  // yellow, as 0x00BBGGRR

}  // namespace

Replayer::Replayer(RecordingReader& reader, const Machine& machine, ReplayScreen* screen)
    : reader_(reader),
      screen_(screen),
      clock_(*this),
      random_(*this),
      keyboard_(*this),
      display_(*this, machine.display),
      sound_(*this, machine.sound),
      messages_(*this, machine.messages),
      events_(*this, machine.events),
      levels_(*this),
      platform_{machine.programDir, clock_,    random_, keyboard_, display_, sound_,
                machine.music,      messages_, events_, levels_} {}

Record& Replayer::take(RecordKind kind) {
    if (!held_ && !reader_.next(record_)) throw RecordingOver{};
    held_ = false;
    if (record_.kind == kind) return record_;
    held_ = true;
    // Nothing more of this session was recorded: it was left here.
    if (record_.kind == RecordKind::End || record_.kind == RecordKind::Begin || record_.kind == RecordKind::Close)
        throw RecordingOver{};
    throw ReplayFailed("session " + std::to_string(session_) + ", pass " + std::to_string(events_.passes) +
                       ": the game asked for " + std::string(kindName(kind)) + " where the recording holds " +
                       std::string(kindName(record_.kind)));
}

bool Replayer::nextBetweenSessions(Record& record) {
    if (held_) {
        held_ = false;
        record = record_;
        return true;
    }
    return reader_.next(record);
}

void Replayer::beginSession() {
    ++session_;
    events_.passes = 0;
    outputs_ = {};
    if (screen_) screen_->newSession();
}

std::string Replayer::endLine(const Game& game) const {
    return sessionEndLine(game, clock_.lastTick, session_, events_.passes, outputs_);
}

std::uint32_t Replayer::Clock::tickCount() {
    lastTick = replay_.take(RecordKind::Tick).number;
    if (replay_.screen_) replay_.screen_->reachTick(lastTick);
    return lastTick;
}

void Replayer::Clock::sleep(std::uint32_t milliseconds) {
    if (replay_.screen_) replay_.screen_->waited(milliseconds);
}

float Replayer::Clock::secondsSinceMidnight() {
    return std::bit_cast<float>(replay_.take(RecordKind::TimeOfDay).number);
}

void Replayer::Draws::seedFromTimeOfDay() { draws_ = SeededDraws(replay_.take(RecordKind::Seed).seed); }

bool Replayer::Keys::readState(KeyState& state) {
    const Record& keys = replay_.take(RecordKind::Keys);
    if (keys.ok) state = keys.keys;
    return keys.ok;
}

bool Replayer::Screen::open() {
    const bool shown = machine_.open();
    const Record& opened = replay_.take(RecordKind::DisplayOpen);
    if (opened.ok && !shown) throw ReplayFailed("the screen cannot be opened here: " + machine_.lastError());
    if (opened.ok) return true;
    if (shown) machine_.close();
    recordedError_ = opened.text;
    return false;
}

std::unique_ptr<Surface> Replayer::Screen::loadSurface(int width, int height, std::int32_t colourKey,
                                                       const std::filesystem::path& file) {
    auto picture = machine_.loadSurface(width, height, colourKey, file);
    if (!replay_.take(RecordKind::Picture).ok) return nullptr;
    if (!picture) throw ReplayFailed("the picture " + displayPath(file) + " cannot be loaded here");
    return picture;
}

void Replayer::Screen::setForeColor(std::uint32_t colour) {
    gameColour_ = colour;
    machine_.setForeColor(colour);
}

// The mark goes on every frame, in its own colour; the game's colour is put back.
void Replayer::Screen::drawMark() {
    machine_.setForeColor(MarkColour);
    machine_.drawText(MarkX, MarkY, replay_.screen_->mark());
    machine_.setForeColor(gameColour_);
}

bool Replayer::Screen::flip() {
    bool shown = true;
    if (replay_.screen_) {
        drawMark();
        if (!replay_.screen_->behind()) shown = machine_.flip();
    } else {
        shown = machine_.flip();
    }
    const Record& flipped = replay_.take(RecordKind::Flip);
    if (flipped.ok && !shown) throw ReplayFailed("the screen was lost here: " + machine_.lastError());
    recordedError_ = flipped.text;
    return flipped.ok;
}

bool Replayer::Sound::open() {
    machine_.open();
    return replay_.take(RecordKind::SoundOpen).ok;
}

void Replayer::Sound::play(int slot) {
    replay_.outputs_.effects.push_back(slot);
    machine_.play(slot);
}

void Replayer::Messages::show(std::string_view text, MessageIcon icon) {
    replay_.outputs_.messages.emplace_back(text);
    machine_.show(text, icon);
    if (replay_.screen_) replay_.screen_->resume();
}

WindowEvents Replayer::Events::pumpMessages() {
    const WindowEvents window = machine_.pumpMessages();
    if (replay_.screen_) replay_.screen_->readViewer(window);
    if (replay_.onPass) replay_.onPass();
    const WindowEvents recorded = replay_.take(RecordKind::Pump).events;
    ++passes;
    return recorded;
}

std::optional<int> Replayer::Levels::count(const std::filesystem::path&) {
    const Record& counted = replay_.take(RecordKind::LevelCount);
    return counted.ok ? std::optional<int>(static_cast<int>(counted.number)) : std::nullopt;
}

std::optional<LevelRows> Replayer::Levels::read(const std::filesystem::path& file) {
    const Record& level = replay_.take(RecordKind::Level);
    // The folders may differ from machine to machine; the level's own name may not.
    const auto nameOf = [](const std::filesystem::path& path) { return foldCase(displayPath(path.filename())); };
    if (nameOf(file) != nameOf(level.text))
        throw ReplayFailed("session " + std::to_string(replay_.session_) + ": the game read " + displayPath(file) +
                           " where the recording read " + level.text);
    return level.ok ? std::optional<LevelRows>(level.rows) : std::nullopt;
}

}  // namespace orbo::recording

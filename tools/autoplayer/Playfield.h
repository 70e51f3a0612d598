// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "game/core/GameState.h"
#include "game/headless/Machine.h"

// The game in the middle of a level, played pass by pass on a fake machine
// exactly as orbo-sim plays it, and saved and restored at any pass so that a
// search can try several futures from one moment.
namespace orbo::autoplay {

struct PlayOptions {
    std::filesystem::path dir;  // a program folder holding Этажи
    int level = 0;
    std::uint32_t seed = 1;
    bool smartCops = false;
    int speed = 2;
};

// Scan codes held during one pass; -1 holds nothing.
constexpr int NoKey = -1;

class Playfield {
public:
    // Everything a pass reads or writes, apart from pictures.
    struct Snapshot {
        std::uint32_t tick = 0;
        headless::SeededRandom random;
        GameProgress progress;
        SessionState session;
        std::array<Unit, UnitSlots> units;
        decltype(Game::carrying) carrying{};
        TileMap tileMap;
        std::array<HoleRecord, 256> holeTable{};
        ShotState shot;
        std::uint32_t lastKettleTick = 0;
        headless::RecordingSound::Counts effects{};
    };

    // A new game at options.level, stopped where orbo-sim runs its first pass.
    // ready() is false when the level could not be started.
    explicit Playfield(const PlayOptions& options);
    Playfield(const Playfield&) = delete;
    Playfield& operator=(const Playfield&) = delete;
    ~Playfield();

    bool ready() const { return ready_; }
    const Game& game() const { return *game_; }
    const PlayOptions& options() const { return options_; }

    // One pass of the play loop with the key held (or NoKey).
    void playPass(int key);

    Snapshot save() const;
    void restore(const Snapshot& snapshot);

    // How often an effect has been played since the start (Effect::Shot: holes dug).
    int effectCount(int effect) const { return sound_.counts[static_cast<std::size_t>(effect)]; }

private:
    PlayOptions options_;
    // Reading the virtual clock changes nothing, so a save may read it.
    mutable headless::VirtualClock clock_;
    headless::SeededRandom random_;
    headless::ScriptedKeyboard keyboard_;
    // Draws nothing and keeps nothing, so a pass costs only the rules.
    headless::BlindDisplay display_;
    // Counts the effects played, which is all the planner needs of them.
    headless::RecordingSound sound_;
    headless::SilentMusic music_;
    headless::MessageLog messages_;
    headless::HookedEventPump events_;
    Platform platform_;
    std::unique_ptr<Game> game_;
    bool ready_ = false;
};

// Whether a unit stands exactly on its cell, between two glides.
bool isAtRest(const Unit& unit);

}  // namespace orbo::autoplay

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Playfield.h"

#include "game/replay/StartLevel.h"
#include "game/rules/Clocks.h"
#include "game/rules/Movement.h"
#include "game/rules/Pickups.h"
#include "game/rules/Shots.h"
#include "game/session/Keyboard.h"
#include "game/session/Session.h"

namespace orbo::autoplay {
namespace {

// orbo-sim's defaults: its virtual clock starts here and moves this much at every flip.
constexpr std::uint32_t FirstTick = 1000000;
constexpr std::uint32_t FrameMs = 16;

// Thrown out of the session's message pump at its first pass: from there on the
// playfield runs the passes itself.
struct FirstPassReached {};

}  // namespace

bool isAtRest(const Unit& unit) {
    return unit.x == static_cast<double>(CellWidth) * unit.col && unit.y == static_cast<double>(CellHeight) * unit.row;
}

Playfield::Playfield(const PlayOptions& options)
    : options_(options),
      clock_(FirstTick),
      random_(options.seed),
      display_(clock_, FrameMs),
      platform_{options.dir, clock_, random_, keyboard_, display_, sound_, music_, messages_, events_},
      game_(std::make_unique<Game>(platform_)) {
    // orbo-sim's settings: sound on (the effects are counted), music off.
    game_->settings.soundOn = true;
    game_->settings.musicOn = false;
    game_->settings.smartCops = options.smartCops;
    game_->settings.speed = options.speed;
    if (!sim::startAtLevel(*game_, options.level)) return;
    events_.onPump = [] { throw FirstPassReached{}; };
    try {
        playSession(*game_);
    } catch (const FirstPassReached&) {
        ready_ = !game_->session.quit;
    }
    events_.onPump = nullptr;
}

Playfield::~Playfield() = default;

// One pass of the session loop without its pictures and music: the kettle
// animation, the tune and the drawing decide nothing in the game.
void Playfield::playPass(int key) {
    Game& game = *game_;
    keyboard_.releaseAll();
    if (key != NoKey) keyboard_.press({key});
    if (!game.session.paused) {
        orbo::runClocks(*game_);
        refillHoles(game);
        checkCapture(game);
    }
    // Of the frame's drawing only the poses decide anything: a hero on a kettle
    // takes it there. The hero and the two cops are the only units in play.
    for (int unit = 0; unit <= 2; ++unit)
        if (updatePose(game, unit)) break;
    handleKeyboard(game);
    // The quiet screen never gets lost, so its flip is all the session's flip does.
    display_.flip();
}

Playfield::Snapshot Playfield::save() const {
    const Game& game = *game_;
    return Snapshot{clock_.tickCount(), random_,        game.progress, game.session,        game.units,   game.carrying,
                    game.tileMap,       game.holeTable, game.shot,     game.lastKettleTick, sound_.counts};
}

void Playfield::restore(const Snapshot& snapshot) {
    Game& game = *game_;
    clock_.setTick(snapshot.tick);
    random_ = snapshot.random;
    game.progress = snapshot.progress;
    game.session = snapshot.session;
    game.units = snapshot.units;
    game.carrying = snapshot.carrying;
    game.tileMap = snapshot.tileMap;
    game.holeTable = snapshot.holeTable;
    game.shot = snapshot.shot;
    game.lastKettleTick = snapshot.lastKettleTick;
    sound_.counts = snapshot.effects;
}

}  // namespace orbo::autoplay

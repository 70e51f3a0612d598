// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/SessionStart.h"

#include "game/replay/StartLevel.h"
#include "game/session/Session.h"

namespace orbo::sim {

void playSessionAs(Game& game, const recording::SessionBegin& begin) {
    using Kind = recording::SessionBegin::Kind;
    switch (begin.kind) {
        case Kind::NewGame:
            game.progress.canContinue = false;
            playSession(game);
            return;
        case Kind::ContinueGame: playSession(game); return;
        case Kind::NewGameAtLevel:
            if (startAtLevel(game, begin.level)) playSession(game);
            return;
        case Kind::LevelFile: playLevelFile(game, begin.levelFile); return;
    }
}

}  // namespace orbo::sim

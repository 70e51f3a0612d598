// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rules/Clocks.h"

#include "game/rules/Cops.h"
#include "game/rules/Movement.h"

namespace orbo {

void runClocks(Game& game) {
    TickClock& clock = game.platform.clock;
    SessionState& session = game.session;
    const double glideInterval = 200.0 / game.settings.speed;
    const double stepInterval = 400.0 / game.settings.speed;

    if (elapsedMs(clock.tickCount(), session.lastGlideTick) > glideInterval) {
        session.lastGlideTick = clock.tickCount();
        glideUnits(game);
    }
    if (elapsedMs(clock.tickCount(), session.lastStepTick) > stepInterval) {
        session.lastStepTick = clock.tickCount();
        for (int unit = HeroSlot; unit <= LastCopSlot; ++unit) {
            stepUnit(game, unit);
            if (unit != HeroSlot) steerCop(game, unit);
        }
    }
}

}  // namespace orbo

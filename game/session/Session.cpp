// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/session/Session.h"

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "game/core/Level.h"
#include "game/presentation/Presentation.h"
#include "game/rules/Clocks.h"
#include "game/rules/Movement.h"
#include "game/rules/Pickups.h"
#include "game/rules/Progression.h"
#include "game/rules/Shots.h"
#include "game/session/Keyboard.h"
#include "game/session/LevelEnd.h"

namespace orbo {
namespace {

constexpr std::uint32_t TitleWaitMs = 1000;
constexpr std::uint32_t KettleTimerMs = 10;

bool countLevels(Game& game) {
    const auto folder = programPath(game, program_files::lowerCaseLevelFolder());
    const auto count = game.platform.levels.count(folder);
    if (!count) {
        game.platform.messages.show(PathNotFoundText + displayPath(folder), MessageIcon::Critical);
        game.session.quit = true;
        return false;
    }
    game.session.levelCount = *count;
    return true;
}

// The one level file is checked before the screen opens, as the level folder is.
bool findLevelFile(Game& game) {
    if (!game.platform.levels.read(game.session.levelFile)) {
        game.platform.messages.show(FileNotFoundText + displayPath(game.session.levelFile), MessageIcon::Critical);
        game.session.quit = true;
        return false;
    }
    game.session.levelCount = 1;
    return true;
}

void startOrResume(Game& game) {
    GameProgress& progress = game.progress;
    if (progress.canContinue) {
        // Everything else (grid, units, holes, kettles carried) is as the last session left it.
        progress.score = progress.savedScore;
        progress.lives = progress.savedLives;
        progress.level = progress.savedLevel;
        return;
    }
    progress.score = 0;
    progress.lives = LivesAtStart;
    progress.level = 0;
    loadLevel(game);
    placeUnits(game);
}

// The game screen's 10 ms timer animates the kettles; like any window timer it
// fires at most once each time messages are let through.
void runKettleTimer(Game& game) {
    const std::uint32_t now = game.platform.clock.tickCount();
    if (elapsedMs(now, game.lastKettleTick) < KettleTimerMs) return;
    game.lastKettleTick = now;
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col)
            if (game.tileMap.at(col, row) == Kettle) advanceFrame(game, Kettle);
}

// The tune loops: started again whenever it has ended.
void keepTunePlaying(Game& game) {
    if (game.settings.musicOn && !game.platform.music.isPlaying()) playMusic(game, program_files::tuneName());
}

// One pass of the play loop, in the game's own order: the game is updated and
// drawn before the keys are read, so what a key commands (a step, a shot, a
// level skip, a new hero) shows from the next frame on; only the overlays the
// keys ask for lie over this one.
void playPass(Game& game) {
    Platform& platform = game.platform;
    const WindowEvents window = platform.events.pumpMessages();
    runKettleTimer(game);
    keepTunePlaying(game);
    if (!game.session.paused) {
        runClocks(game);
        refillHoles(game);
        checkCapture(game);
    }
    // The hero's kettle may clear the level: the scroll has shown the change and this frame stays dark.
    if (!updatePoses(game)) drawFrame(game);
    if (game.session.paused) drawPauseText(game);
    // Closing the window is Esc, read where Esc is: first in the key scan, which
    // then goes on as it does after Esc. Esc also lifts a pause.
    if (window.closeRequested) {
        saveAndLeave(game);
        game.session.paused = false;
    }
    const KeyOverlays overlays = handleKeyboard(game);
    drawKeyOverlays(game, overlays);
    // The pause of p, set after the scan: a key still latched from before the
    // focus left must not lift it at once.
    if (window.focusLost) game.session.paused = true;
    flipScreen(game);
    platform.display.clearBackBuffer();
}

// Everything between the set-up and the loop; false when the session cannot go on.
bool prepareSession(Game& game) {
    Platform& platform = game.platform;
    if (!openPlayScreen(game)) return false;
    platform.display.showPointer(false);
    if (!showTitle(game)) return false;
    initMusic(game);
    if (game.settings.musicOn) playMusic(game, program_files::tuneName());
    if (!loadSprites(game)) return false;
    platform.clock.sleep(TitleWaitMs);
    return true;
}

// The session, and for a level file alone how it ended.
LevelEnd runSession(Game& game) {
    Platform& platform = game.platform;
    const ScopedLevelChangeView levelChangesOnScreen(game, levelScroll());
    game.session.quit = false;
    platform.random.seedFromTimeOfDay();
    if (!(game.session.levelFile.empty() ? countLevels(game) : findLevelFile(game))) return LevelEnd::NotPlayed;
    game.lastKettleTick = platform.clock.tickCount();

    LevelEnd end = LevelEnd::NotPlayed;
    if (prepareSession(game)) {
        startOrResume(game);
        while (!game.session.quit) {
            const GameProgress before = game.progress;
            playPass(game);
            if (game.session.quit) end = levelEndAfterPass(game, before);
        }
        if (!game.session.levelFile.empty() && end != LevelEnd::NotPlayed && !showLevelEnd(game, end))
            end = LevelEnd::ScreenLost;
    }

    stopMusic(game);
    closePlayScreen(game);
    platform.display.showPointer(true);
    return end;
}

}  // namespace

void playSession(Game& game) { runSession(game); }

LevelEnd playLevelFile(Game& game, const std::filesystem::path& file) {
    game.session.levelFile = file;
    game.progress.canContinue = false;
    const LevelEnd end = runSession(game);
    game.session.levelFile.clear();
    return end;
}

}  // namespace orbo

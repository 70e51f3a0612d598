// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>

#include "game/core/GameState.h"

// What the play session asks of the screen, the sprites and the sound.
namespace orbo {

// Sets up the screen, the keyboard and the sound effects for a session. Without a
// sound device the player is told once and the session runs silently. False when
// the screen cannot be set up: that has been reported and the session must end.
bool openPlayScreen(Game& game);

// Gives the desktop back and releases the screen and the sound device.
void closePlayScreen(Game& game);

// Flips the back buffer to the screen. A lost screen is reported and ends the
// session; the answer says whether the picture was shown.
bool flipScreen(Game& game);

// How the session shows a level change.
LevelChangeView& levelScroll();

// Shows the title picture while the session loads. False when it cannot be shown:
// that has been reported and the session must end.
bool showTitle(Game& game);

// Loads every tile, hero and cop picture into the sprite sets. False when a
// picture is missing or unreadable: that has been reported and the session must end.
bool loadSprites(Game& game);

// One animation step of a sprite set.
void advanceFrame(Game& game, int set);

// Composes one picture of the game on the back buffer.
void drawFrame(Game& game);

// Measures the frame rate over the calls and writes it at (x, y).
void drawFps(Game& game, int x, int y);

inline constexpr std::array HelpLines = {
    "Клавиши управления игрой",
    "Esc-выход из игры",
    "F1-данная помощь",
    "p-пауза",
    "Стрелки-передвижение юнита",
    "q-выстрел влево",
    "w-выстрел вправо",
    "f-кадров в секунду",
    "r-новый игрок",
};

// Texts over a finished frame, where the game always put them: the pause text
// over a paused frame, the frame rate (F held) and the list of keys (F1 held).
void drawPauseText(Game& game);
void drawFrameRate(Game& game);
void drawHelp(Game& game);

// Checks the tune and every sound effect file before the session plays them and
// tells the player once about those that cannot be played; a refused tune stays
// silent for the whole session, as do effects whose files failed.
void checkSoundFiles(Game& game);

void initMusic(Game& game);
void playMusic(Game& game, const std::filesystem::path& name);
void stopMusic(Game& game);

}  // namespace orbo

#pragma once

#include <array>

#include "game/core/GameState.h"

namespace orbo {

inline constexpr std::array<const char*, 9> HelpLines = {
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

// What Esc does: keeps the game to be continued from the menu and ends the session.
void saveAndLeave(Game& game);

// Reads the keyboard once and carries out the commands of the keys held down.
void handleKeyboard(Game& game);

}  // namespace orbo

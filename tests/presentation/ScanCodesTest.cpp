#include <gtest/gtest.h>

#include <map>
#include <vector>

#include <SDL_keyboard.h>

#include "game/presentation/sdl/ScanCodes.h"
#include "game/presentation/sdl/SdlKeyboard.h"

namespace orbo::sdl {
namespace {

TEST(ScanCodes, TheGamesKeysHaveTheirCodes) {
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_ESCAPE), 1);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_1), 2);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_0), 11);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_MINUS), 12);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_EQUALS), 13);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_Q), 16);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_W), 17);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_R), 19);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_P), 25);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_F), 33);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_F1), 59);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_UP), 200);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_LEFT), 203);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_RIGHT), 205);
    EXPECT_EQ(gameScanCode(SDL_SCANCODE_DOWN), 208);
}

// Every key of a 105-key PC keyboard.
std::vector<SDL_Scancode> pcKeyboard() {
    std::vector<SDL_Scancode> keys;
    for (int key = SDL_SCANCODE_A; key <= SDL_SCANCODE_SLASH; ++key)
        if (key != SDL_SCANCODE_NONUSHASH) keys.push_back(static_cast<SDL_Scancode>(key));  // another name of Backslash
    for (int key = SDL_SCANCODE_CAPSLOCK; key <= SDL_SCANCODE_KP_PERIOD; ++key)
        keys.push_back(static_cast<SDL_Scancode>(key));
    for (int key = SDL_SCANCODE_LCTRL; key <= SDL_SCANCODE_RGUI; ++key) keys.push_back(static_cast<SDL_Scancode>(key));
    keys.push_back(SDL_SCANCODE_NONUSBACKSLASH);
    keys.push_back(SDL_SCANCODE_APPLICATION);
    return keys;
}

TEST(ScanCodes, EveryKeyOfAPcKeyboardHasACodeOfItsOwn) {
    std::map<int, SDL_Scancode> owner;
    for (const SDL_Scancode key : pcKeyboard()) {
        const int code = gameScanCode(key);
        EXPECT_NE(code, 0) << SDL_GetScancodeName(key) << " could not unpause the game";
        const auto [where, fresh] = owner.emplace(code, key);
        EXPECT_TRUE(fresh || code == 0) << SDL_GetScancodeName(key) << " shares code " << code << " with "
                                        << SDL_GetScancodeName(where->second);
    }
    EXPECT_EQ(owner.size(), pcKeyboard().size());
}

TEST(ScanCodes, TheStateMarksHeldKeysByTheirCodes) {
    std::vector<std::uint8_t> held(SDL_NUM_SCANCODES, 0);
    held[SDL_SCANCODE_A] = 1;
    held[SDL_SCANCODE_UP] = 1;
    held[SDL_SCANCODE_F24] = 1;  // no code: not seen by the game
    KeyState state;
    state.fill(0x80);

    fillKeyState(held.data(), static_cast<int>(held.size()), state);

    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(state[static_cast<std::size_t>(code)] != 0, code == 0x1E || code == 0xC8) << code;
}

TEST(ScanCodes, WithoutSdlsVideoThereIsNoKeyboardToRead) {
    KeyState state{};
    EXPECT_FALSE(SdlKeyboard().readState(state));
}

}  // namespace
}  // namespace orbo::sdl

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL.h>

#include "game/core/ScanCodes.h"
#include "game/platform/SdlEventPump.h"
#include "game/render/SdlSubsystem.h"

namespace orbo::sdl {
namespace {

void tap(SDL_Scancode key) {
    for (const Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = key;
        SDL_PushEvent(&event);
    }
}

// SDL's dummy video driver: a keyboard without a display.
TEST(KeyLatch, AKeyTappedBetweenTwoPassesCountsAsHeldInTheNextPassOnce) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    const SubsystemLease video(SDL_INIT_VIDEO);
    ASSERT_TRUE(video.ok()) << SDL_GetError();
    SdlKeyboard keyboard;
    SdlEventPump pump(nullptr, &keyboard);
    KeyState keys{};

    tap(SDL_SCANCODE_ESCAPE);
    tap(SDL_SCANCODE_SPACE);
    pump.pumpMessages();
    ASSERT_TRUE(keyboard.readState(keys));
    KeyState tapped{};
    tapped[ScanCode::Escape] = 0x80;
    tapped[57] = 0x80;  // Space
    EXPECT_EQ(keys, tapped);

    pump.pumpMessages();
    ASSERT_TRUE(keyboard.readState(keys));
    EXPECT_EQ(keys, KeyState{}) << "counted once";
}

}  // namespace
}  // namespace orbo::sdl

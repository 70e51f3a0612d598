// SPDX-License-Identifier: GPL-3.0-or-later
// orbo-glprobe: prints the OpenGL renderer's name (nothing where OpenGL cannot
// start). The play screen asks it in a process of its own, so that loading the
// OpenGL driver never costs the game's own memory.
#include <SDL.h>
#include <cstdio>

#include "game/render/PresentPath.h"
#include "game/render/SdlSubsystem.h"

int main() {
    const orbo::sdl::SubsystemLease video(SDL_INIT_VIDEO);
    if (!video.ok()) return 1;
    std::puts(orbo::sdl::probeOpenGlRenderer().c_str());
    return 0;
}

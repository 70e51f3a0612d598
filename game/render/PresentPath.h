// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace orbo::sdl {

// How finished frames reach the monitor.
enum class PresentPath {
    // Changed rectangles written into the window's own surface and sent to the
    // window system: the cheapest where OpenGL runs on the processor.
    WindowSurface,
    // Changed rectangles uploaded into a streaming texture that the graphics card scales.
    Texture,
};

struct PathChoice {
    PresentPath path;
    std::string reason;
};

// Names the environment variable may give to force a path.
inline constexpr const char* ScreenPathVariable = "ORBO_SCREEN_PATH";

// True for OpenGL renderer names of Mesa's and others' processor-only rasterisers.
bool isSoftwareRenderer(std::string_view glRenderer);

// The forced path where `forced` names one ("surface" or "texture"; anything else
// counts as nothing); otherwise the texture on a real graphics card and the window
// surface where OpenGL is missing (empty name) or runs on the processor.
PathChoice choosePresentPath(std::string_view forced, std::string_view glRenderer);

// The OpenGL renderer's name from a hidden window; empty where OpenGL cannot start.
std::string probeOpenGlRenderer();

// The same, asked of the program orbo-glprobe beside the running one, so that the
// OpenGL driver (tens of megabytes where it rasterises on the processor) is
// loaded in that process only; in this process where the helper is missing.
std::string openGlRendererName();

}  // namespace orbo::sdl

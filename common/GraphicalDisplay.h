// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orbo {

// What the windowed programs print, and their exit status, when there is no
// display to open a window on; Qt would abort with a misleading hint instead.
inline constexpr const char* NoDisplayText = "needs a graphical display: set DISPLAY or WAYLAND_DISPLAY";
inline constexpr int NoDisplayStatus = 1;

// Reads one environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// Whether a window can be opened: an X or Wayland display is named, or a Qt
// platform that needs neither (such as offscreen) is chosen by hand.
bool hasGraphicalDisplay(const EnvironmentLookup& lookup);

// The displays named ("DISPLAY :5 or WAYLAND_DISPLAY w"), when none of them answers;
// empty when one answers or a Qt platform that needs none is chosen.
std::string silentDisplays(const EnvironmentLookup& lookup);

// Both for this process; when there is no display or none answers, prints the
// line to standard error.
bool checkGraphicalDisplay(std::string_view program);

}  // namespace orbo

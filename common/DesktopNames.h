// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the desktop knows each windowed program: by the id of its desktop entry,
// which its windows carry as their class on X11 and app id on Wayland, so that
// a running program is grouped with its launcher; and by its icon's name.
namespace orbo::desktop {

inline constexpr const char* GameId = "io.github.orbo.orbo";
inline constexpr const char* GameIcon = "orbo";
inline constexpr const char* EditorId = "io.github.orbo.orbo.editor";
inline constexpr const char* EditorIcon = "orbo-editor";

}  // namespace orbo::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>

namespace orbo {

// Names this application's windows after its desktop entry (their class on
// X11, their app id on Wayland) and gives them the icon of that name from the
// icon folder beside the program. Call before the first window is shown.
void presentToDesktop(const char* desktopId, const char* iconName, const std::filesystem::path& programDir);

// The title of the program's message boxes: its file's name, as it was before
// the application took its desktop entry's id as its name.
QString programTitle();

}  // namespace orbo

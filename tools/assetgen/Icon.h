// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <filesystem>

// The desktop icons of the game and the editor, in the sizes desktops look for.
namespace orbo::assetgen {

// Square, transparent outside a rounded tile; painted afresh at each size so
// small icons stay crisp instead of being scaled down.
QImage paintGameIcon(int size);
QImage paintEditorIcon(int size);

// Writes iconRoot/hicolor/NxN/apps/NAME.png for both icons at every size.
void writeIcons(const std::filesystem::path& iconRoot);

}  // namespace orbo::assetgen

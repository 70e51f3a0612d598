// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/RealPlatform.h"

#include "common/DesktopNames.h"
#include "common/ProgramFiles.h"

namespace orbo::sdl {

RealPlatform::RealPlatform(std::filesystem::path programDir, std::function<void()> pumpWindowMessages,
                           SdlMessageBox::Fallback fallbackMessages)
    : display_(programDir / program_files::iconFolder() / program_files::themeIcon(desktop::GameIcon, 64)),
      messages_([this] { return display_.window(); }, std::move(fallbackMessages)),
      events_(std::move(pumpWindowMessages), &keyboard_, &display_),
      platform_{std::move(programDir), clock_, random_, keyboard_, display_, sound_, music_, messages_, events_} {}

}  // namespace orbo::sdl

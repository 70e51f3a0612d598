#include "game/platform/RealPlatform.h"

namespace orbo::sdl {

RealPlatform::RealPlatform(std::filesystem::path programDir, std::function<void()> pumpWindowMessages,
                           SdlMessageBox::Fallback fallbackMessages)
    : messages_([this] { return display_.window(); }, std::move(fallbackMessages)),
      events_(std::move(pumpWindowMessages), &keyboard_, &display_),
      platform_{std::move(programDir), clock_, random_, keyboard_, display_, sound_, music_, messages_, events_} {}

}  // namespace orbo::sdl

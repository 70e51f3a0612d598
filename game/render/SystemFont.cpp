// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/SystemFont.h"

#include <memory>

#include <fontconfig/fontconfig.h>

#include "game/render/SdlHandles.h"

namespace orbo::sdl {
namespace {

using UniquePattern = std::unique_ptr<FcPattern, Deleter<FcPatternDestroy>>;

std::optional<std::filesystem::path> askFontconfig() {
    FcConfig* config = FcConfigGetCurrent();
    if (!config) return std::nullopt;
    const UniquePattern wanted(FcNameParse(reinterpret_cast<const FcChar8*>("sans:lang=ru")));
    if (!wanted) return std::nullopt;
    FcConfigSubstitute(config, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const UniquePattern found(FcFontMatch(config, wanted.get(), &result));
    if (!found) return std::nullopt;
    FcChar8* file = nullptr;
    if (FcPatternGetString(found.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
    return std::filesystem::path(reinterpret_cast<const char*>(file));
}

}  // namespace

std::optional<std::filesystem::path> defaultSansFont() {
    // Fontconfig reads its whole cache on the first question; ask once per run.
    static const std::optional<std::filesystem::path> font = askFontconfig();
    return font;
}

}  // namespace orbo::sdl

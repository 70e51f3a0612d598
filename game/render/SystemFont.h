// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

namespace orbo::sdl {

// The file of the system's default sans-serif font that covers Cyrillic, as
// fontconfig chooses it; empty when there is none.
std::optional<std::filesystem::path> defaultSansFont();

}  // namespace orbo::sdl

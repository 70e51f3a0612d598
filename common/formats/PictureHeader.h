// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace orbo {

// No picture of the game is larger than its 1024 x 768 screen. A header that
// claims more is refused before a decoder reserves memory for it.
inline constexpr int LargestPictureWidth = 1024;
inline constexpr int LargestPictureHeight = 768;

// How much of a file the check reads: room for the comments and colour
// profiles that may come before a JPEG's frame header.
inline constexpr std::size_t PictureHeaderBytes = 256 * 1024;

struct PictureSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// The dimensions a BMP, JPEG or PNG header declares, read from the first bytes of
// the file; nothing when the header is none of these or cut short.
std::optional<PictureSize> readPictureSize(std::span<const std::uint8_t> start);

enum class PictureCheck { Fits, TooLarge, Unreadable };

// Whether a picture of that header may be decoded.
PictureCheck checkPictureHeader(std::span<const std::uint8_t> start);

// The same for a file; Unreadable also when the file cannot be opened.
PictureCheck checkPictureFile(const std::filesystem::path& file);

}  // namespace orbo

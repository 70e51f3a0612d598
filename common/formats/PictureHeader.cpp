// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/formats/PictureHeader.h"

#include <algorithm>
#include <string_view>

#include "common/FileRead.h"

namespace orbo {
namespace {

class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool has(std::size_t at, std::size_t count) const { return at <= bytes_.size() && count <= bytes_.size() - at; }
    bool startsWith(std::size_t at, std::string_view text) const {
        return has(at, text.size()) &&
               std::equal(text.begin(), text.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                          [](char letter, std::uint8_t byte) { return static_cast<std::uint8_t>(letter) == byte; });
    }
    std::uint8_t at(std::size_t at) const { return bytes_[at]; }
    std::uint32_t little(std::size_t at, int count) const {
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes_[at + static_cast<std::size_t>(i)];
        return value;
    }
    std::uint32_t big(std::size_t at, int count) const {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = value << 8 | bytes_[at + static_cast<std::size_t>(i)];
        return value;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

constexpr std::size_t BmpFileHeader = 14;
constexpr std::uint32_t BmpCoreHeader = 12;
constexpr std::uint32_t BmpInfoHeader = 40;

std::optional<PictureSize> bmpSize(const Bytes& bytes) {
    if (!bytes.has(BmpFileHeader, 4)) return std::nullopt;
    const std::uint32_t headerSize = bytes.little(BmpFileHeader, 4);
    if (headerSize == BmpCoreHeader && bytes.has(BmpFileHeader, BmpCoreHeader))
        return PictureSize{bytes.little(18, 2), bytes.little(20, 2)};
    if (headerSize < BmpInfoHeader || !bytes.has(BmpFileHeader, BmpInfoHeader)) return std::nullopt;
    // Signed: a negative height means rows stored from the top.
    const auto width = static_cast<std::int32_t>(bytes.little(18, 4));
    const auto height = static_cast<std::int32_t>(bytes.little(22, 4));
    return PictureSize{width, height < 0 ? -static_cast<std::int64_t>(height) : height};
}

bool isFrameHeader(std::uint8_t marker) {
    // SOF0 to SOF15, except the table and arithmetic-coding markers among them.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureSize> jpegSize(const Bytes& bytes) {
    std::size_t at = 2;
    while (bytes.has(at, 2)) {
        if (bytes.at(at) != 0xFF) return std::nullopt;
        const std::uint8_t marker = bytes.at(at + 1);
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        // Markers without a length of their own.
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA || !bytes.has(at + 2, 2)) return std::nullopt;
        const std::uint32_t length = bytes.big(at + 2, 2);
        if (length < 2) return std::nullopt;
        if (isFrameHeader(marker)) {
            if (length < 7 || !bytes.has(at + 4, 5)) return std::nullopt;
            return PictureSize{bytes.big(at + 7, 2), bytes.big(at + 5, 2)};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

std::optional<PictureSize> pngSize(const Bytes& bytes) {
    if (!bytes.startsWith(12, "IHDR") || !bytes.has(16, 8)) return std::nullopt;
    return PictureSize{bytes.big(16, 4), bytes.big(20, 4)};
}

}  // namespace

std::optional<PictureSize> readPictureSize(std::span<const std::uint8_t> start) {
    const Bytes bytes(start);
    if (bytes.startsWith(0, "BM")) return bmpSize(bytes);
    if (bytes.startsWith(0, "\xFF\xD8")) return jpegSize(bytes);
    if (bytes.startsWith(0, "\x89PNG\r\n\x1A\n")) return pngSize(bytes);
    return std::nullopt;
}

PictureCheck checkPictureHeader(std::span<const std::uint8_t> start) {
    const auto size = readPictureSize(start);
    if (!size || size->width <= 0 || size->height <= 0) return PictureCheck::Unreadable;
    if (size->width > LargestPictureWidth || size->height > LargestPictureHeight) return PictureCheck::TooLarge;
    return PictureCheck::Fits;
}

PictureCheck checkPictureFile(const std::filesystem::path& file) {
    const FileRead read = readRegularFile(file, PictureHeaderBytes);
    if (read.error) return PictureCheck::Unreadable;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(read.bytes.data());
    return checkPictureHeader({bytes, read.bytes.size()});
}

}  // namespace orbo

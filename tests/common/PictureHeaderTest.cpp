// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/formats/PictureHeader.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& bytes, std::uint32_t value, int count, bool bigEndian) {
    for (int i = 0; i < count; ++i) {
        const int shift = 8 * (bigEndian ? count - 1 - i : i);
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void append(Bytes& bytes, std::string_view text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

// A file header and an information header, as a paint program writes them.
Bytes bmp(std::int32_t width, std::int32_t height, std::uint32_t bits = 24) {
    Bytes bytes;
    append(bytes, "BM");
    for (const std::uint32_t field : {54u, 0u, 54u, 40u}) append(bytes, field, 4, false);
    append(bytes, static_cast<std::uint32_t>(width), 4, false);
    append(bytes, static_cast<std::uint32_t>(height), 4, false);
    append(bytes, 1, 2, false);
    append(bytes, bits, 2, false);
    bytes.resize(54);
    return bytes;
}

// The old OS/2 header with 16-bit sides.
Bytes bmpCore(std::uint32_t width, std::uint32_t height) {
    Bytes bytes;
    append(bytes, "BM");
    for (const std::uint32_t field : {26u, 0u, 26u, 12u}) append(bytes, field, 4, false);
    append(bytes, width, 2, false);
    append(bytes, height, 2, false);
    append(bytes, 1, 2, false);
    append(bytes, 24, 2, false);
    return bytes;
}

// Start of image, a JFIF segment, a fill byte, then the frame header.
Bytes jpeg(std::uint32_t width, std::uint32_t height, std::uint8_t frameMarker = 0xC0) {
    Bytes bytes = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10};
    append(bytes, std::string_view("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
    bytes.insert(bytes.end(), {0xFF, 0xFF, frameMarker, 0x00, 0x11, 0x08});
    append(bytes, height, 2, true);
    append(bytes, width, 2, true);
    bytes.insert(bytes.end(), {0x03, 0x01, 0x22, 0x00});
    return bytes;
}

Bytes oversized() {
    const std::string bytes = oversizedPicture();
    return {bytes.begin(), bytes.end()};
}

Bytes png(std::uint32_t width, std::uint32_t height) {
    Bytes bytes;
    append(bytes, "\x89PNG\r\n\x1A\n");
    append(bytes, 13, 4, true);
    append(bytes, "IHDR");
    append(bytes, width, 4, true);
    append(bytes, height, 4, true);
    bytes.insert(bytes.end(), {8, 2, 0, 0, 0});
    return bytes;
}

TEST(PictureHeader, EachFormatsDeclaredSizeIsReadAndPicturesLargerThanTheScreenAreRefusedUnread) {
    const std::pair<Bytes, PictureSize> cases[] = {
        {bmp(1024, 768), {1024, 768}},  {bmp(64, -50), {64, 50}},      {bmpCore(32, 25), {32, 25}},
        {jpeg(1024, 768), {1024, 768}}, {jpeg(17, 9, 0xC2), {17, 9}},  {png(64, 50), {64, 50}},
        {bmp(1024, -768), {1024, 768}}, {png(1024, 768), {1024, 768}},
    };
    for (const auto& [bytes, expected] : cases) {
        const auto size = readPictureSize(bytes);
        ASSERT_TRUE(size) << "header of " << bytes.size() << " bytes";
        EXPECT_EQ(size->width, expected.width);
        EXPECT_EQ(size->height, expected.height);
        EXPECT_EQ(checkPictureHeader(bytes), PictureCheck::Fits) << "the size of the screen fits too";
    }
    const Bytes tooLarge[] = {oversized(),        bmp(1025, 768),     bmp(1024, -769),
                              bmp(1, INT32_MIN),  bmpCore(1025, 1),   jpeg(65535, 1),
                              jpeg(1, 769, 0xC1), png(0x7FFFFFFF, 1), png(1, 0xFFFFFFFF)};
    for (const Bytes& bytes : tooLarge) EXPECT_EQ(checkPictureHeader(bytes), PictureCheck::TooLarge);
}

TEST(PictureHeader, CutEmptyOrForeignHeadersAreUnreadable) {
    // Each header with the length of its part up to the end of the size.
    const std::pair<Bytes, std::size_t> headers[] = {
        {bmp(64, 50), 26}, {bmpCore(64, 50), 22}, {jpeg(64, 50), 30}, {png(64, 50), 24}};
    for (const auto& [whole, sizeEnds] : headers)
        for (std::size_t length = 0; length < sizeEnds; ++length)
            EXPECT_EQ(checkPictureHeader({whole.data(), length}), PictureCheck::Unreadable)
                << "cut after " << length << " of " << whole.size() << " bytes";
    Bytes scanFirst = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x08};
    scanFirst.resize(40, 0);
    Bytes gif;
    append(gif, "GIF89a\x40\x00\x32\x00");
    for (const Bytes& bytes : {bmp(0, 50), bmp(64, 0), jpeg(0, 50), png(64, 0), scanFirst, gif})
        EXPECT_EQ(checkPictureHeader(bytes), PictureCheck::Unreadable);
}

TEST(PictureHeader, FilesAreJudgedByTheirFirstBytesAndOnlyPlainFilesAreOpened) {
    const TempDir dir;
    const Bytes huge = oversized();
    const auto write = [&](const char* name, const Bytes& bytes) {
        std::ofstream(dir.path() / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return dir.path() / name;
    };
    EXPECT_EQ(checkPictureFile(write("cell.bmp", bmp(64, 50))), PictureCheck::Fits);
    EXPECT_EQ(checkPictureFile(write("huge.bmp", huge)), PictureCheck::TooLarge);
    EXPECT_EQ(checkPictureFile(write("empty.bmp", {})), PictureCheck::Unreadable);
    EXPECT_EQ(checkPictureFile(dir.path() / "missing.bmp"), PictureCheck::Unreadable);
    std::filesystem::create_directory(dir.path() / "folder.bmp");
    EXPECT_EQ(checkPictureFile(dir.path() / "folder.bmp"), PictureCheck::Unreadable);
    ASSERT_EQ(mkfifo((dir.path() / "pipe.bmp").c_str(), 0600), 0);
    EXPECT_EQ(checkPictureFile(dir.path() / "pipe.bmp"), PictureCheck::Unreadable)
        << "and it does not wait on the pipe";
}

}  // namespace
}  // namespace orbo

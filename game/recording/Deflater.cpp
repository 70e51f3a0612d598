// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/Deflater.h"

#include <array>
#include <new>

namespace orbo::recording {
namespace {

// Raw deflate: the blocks carry their own lengths and checksums.
constexpr int RawWindowBits = -15;
constexpr int MemoryLevel = 8;

Bytef* bytesOf(std::string_view bytes) {
    // zlib reads its input through a pointer to non-const.
    return reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
}

}  // namespace

Deflater::Deflater() {
    if (deflateInit2(&stream_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, RawWindowBits, MemoryLevel, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        throw std::bad_alloc();
}

Deflater::~Deflater() { deflateEnd(&stream_); }

std::string Deflater::compress(std::string_view bytes) {
    std::string out;
    std::array<char, 4096> buffer{};
    stream_.next_in = bytesOf(bytes);
    stream_.avail_in = static_cast<uInt>(bytes.size());
    do {
        stream_.next_out = reinterpret_cast<Bytef*>(buffer.data());
        stream_.avail_out = static_cast<uInt>(buffer.size());
        deflate(&stream_, Z_SYNC_FLUSH);
        out.append(buffer.data(), buffer.size() - stream_.avail_out);
    } while (stream_.avail_out == 0);
    return out;
}

Inflater::Inflater() { ready_ = inflateInit2(&stream_, RawWindowBits) == Z_OK; }

Inflater::~Inflater() {
    if (ready_) inflateEnd(&stream_);
}

bool Inflater::expand(std::string_view piece, std::size_t limit, std::string& out) {
    out.clear();
    if (!ready_) return false;
    std::array<char, 4096> buffer{};
    stream_.next_in = bytesOf(piece);
    stream_.avail_in = static_cast<uInt>(piece.size());
    do {
        stream_.next_out = reinterpret_cast<Bytef*>(buffer.data());
        stream_.avail_out = static_cast<uInt>(buffer.size());
        const int result = inflate(&stream_, Z_SYNC_FLUSH);
        out.append(buffer.data(), buffer.size() - stream_.avail_out);
        // A stream end is damage too: the writer never ends its stream.
        if (out.size() > limit || (result != Z_OK && result != Z_BUF_ERROR)) return false;
    } while (stream_.avail_out == 0);
    return stream_.avail_in == 0;
}

}  // namespace orbo::recording

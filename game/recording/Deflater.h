// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <zlib.h>

#include <string>
#include <string_view>

namespace orbo::recording {

// One raw deflate stream, handed out in flushed pieces: every piece unpacks in
// full once the pieces before it have, so a file cut after any piece still
// reads up to there.
class Deflater {
public:
    Deflater();
    ~Deflater();
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    std::string compress(std::string_view bytes);

private:
    z_stream stream_{};
};

// The other end: pieces of the stream in turn, each unpacked in full.
class Inflater {
public:
    Inflater();
    ~Inflater();
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // False when the piece is damaged or unpacks to more than `limit` bytes.
    bool expand(std::string_view piece, std::size_t limit, std::string& out);

private:
    z_stream stream_{};
    bool ready_ = false;
};

}  // namespace orbo::recording

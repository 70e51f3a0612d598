// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a recording: the reader gives records until it names where and
// why they end, within the file, and never crashes, hangs or holds much memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "game/recording/RecordingReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    orbo::recording::RecordingReader reader(in);
    orbo::recording::Record record;
    bool closed = false;
    while (reader.next(record)) {
        if (closed) std::abort();
        closed = record.kind == orbo::recording::RecordKind::Close;
        if (record.text.size() > orbo::recording::MaxTextBytes) std::abort();
    }
    if (!reader.ended() || reader.end().byte > size || reader.end().what.empty()) std::abort();
    if (closed != (reader.end().kind == orbo::recording::ReadEnd::Kind::Closed)) std::abort();
    return 0;
}

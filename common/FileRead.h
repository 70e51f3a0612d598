// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace orbo {

struct FileRead {
    // The file's first bytes, never more than the limit asked for.
    std::string bytes;
    // True when the file ended within the limit.
    bool whole = false;
    // A folder, pipe, socket or device: refused without reading from it.
    bool notRegular = false;
    // Set whenever the bytes cannot be used: missing, refused or a read error.
    std::error_code error;
};

// Reads at most `limit` bytes of an ordinary file (a symbolic link to one is
// followed). Never throws and never waits on a pipe or device: everything that
// goes wrong comes back in `error`.
FileRead readRegularFile(const std::filesystem::path& file, std::size_t limit);

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/UniqueFd.h"

namespace orbo {
namespace {

std::error_code lastError() { return {errno, std::system_category()}; }

// One read that is not cut short by a signal; -1 with errno set on failure.
ssize_t readSome(int fd, char* into, std::size_t size) {
    ssize_t got = 0;
    do got = ::read(fd, into, size);
    while (got < 0 && errno == EINTR);
    return got;
}

}  // namespace

FileRead readRegularFile(const std::filesystem::path& file, std::size_t limit) {
    FileRead result;
    // Non-blocking, so that opening a pipe returns at once and can be refused.
    const UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid()) {
        result.error = lastError();
        return result;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        result.error = lastError();
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        result.notRegular = true;
        result.error = std::make_error_code(S_ISDIR(status.st_mode) ? std::errc::is_a_directory
                                                                    : std::errc::operation_not_supported);
        return result;
    }

    char buffer[4096];
    for (;;) {
        const std::size_t room = limit - result.bytes.size();
        // With the limit reached, one byte more tells whether the file goes on.
        const ssize_t got = readSome(fd.get(), buffer, room == 0 ? 1 : std::min(room, sizeof buffer));
        if (got < 0) {
            result.error = lastError();
            result.bytes.clear();
            return result;
        }
        if (got == 0) {
            result.whole = true;
            return result;
        }
        if (room == 0) return result;
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace orbo

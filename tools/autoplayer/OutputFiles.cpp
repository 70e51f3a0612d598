// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/OutputFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

#include "common/Paths.h"
#include "common/UniqueFd.h"

namespace orbo::autoplay {
namespace {

WriteResult failed(const std::filesystem::path& path, int error) {
    return {false, displayPath(path) + ": " + std::strerror(error)};
}

// A new, empty file of its own beside `file`, named after it.
std::pair<UniqueFd, std::filesystem::path> temporaryBeside(const std::filesystem::path& file) {
    const std::string name = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    UniqueFd fd(::mkstemp(buffer.data()));
    return {std::move(fd), std::filesystem::path(buffer.data())};
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

WriteResult prepareFolder(const std::filesystem::path& folder) {
    const std::filesystem::path where = folder.empty() ? std::filesystem::path(".") : folder;
    std::error_code error;
    if (std::filesystem::exists(where, error) && !std::filesystem::is_directory(where, error))
        return failed(where, ENOTDIR);
    std::filesystem::create_directories(where, error);
    if (error) return {false, displayPath(where) + ": " + error.message()};
    auto [fd, probe] = temporaryBeside(where / "probe");
    if (!fd.valid()) return failed(where, errno);
    ::unlink(probe.c_str());
    return {true, {}};
}

WriteResult writeTextFile(const std::filesystem::path& file, std::string_view text) {
    auto [fd, temporary] = temporaryBeside(file);
    if (!fd.valid()) return failed(file, errno);
    // A replay or table is for everyone to read, as a file made by the shell would be.
    if (::fchmod(fd.get(), 0644) != 0 || !writeAll(fd.get(), text) || ::fsync(fd.get()) != 0 ||
        ::rename(temporary.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failed(file, error);
    }
    return {true, {}};
}

}  // namespace orbo::autoplay

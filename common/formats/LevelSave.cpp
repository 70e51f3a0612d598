// SPDX-License-Identifier: GPL-3.0-or-later
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <memory>
#include <random>
#include <string>
#include <unordered_set>

#include "common/Paths.h"
#include "common/UniqueFd.h"
#include "common/formats/LevelFile.h"

namespace orbo {
namespace {

std::error_code lastError() { return {errno, std::system_category()}; }

std::string levelName(int number) { return "Этаж" + std::to_string(number) + ".orb"; }

// What one reading of the folder tells: how many files it counts as levels
// (as the game counts them) and every name in it, case folded.
struct FolderListing {
    int regularFiles = 0;
    std::unordered_set<std::string> foldedNames;
};

std::error_code listFolder(int folderFd, FolderListing& listing) {
    // closedir closes the descriptor it is given, so it gets its own.
    const int ownFd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (ownFd < 0) return lastError();
    DIR* const dir = ::fdopendir(ownFd);
    if (dir == nullptr) {
        const std::error_code error = lastError();
        ::close(ownFd);
        return error;
    }
    std::error_code error;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0) error = lastError();
            break;
        }
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        listing.foldedNames.insert(foldCase(name));
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            regular = ::fstatat(folderFd, entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
        }
        if (regular) ++listing.regularFiles;
    }
    ::closedir(dir);
    return error;
}

std::error_code writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        done += static_cast<std::size_t>(written);
    }
    // A full disk may only show when the data reaches it.
    if (::fdatasync(fd) != 0) return lastError();
    return {};
}

// A written file waiting for its name. link() gives it a name only if nothing
// holds that name yet: no entry of any kind is ever followed or replaced.
class PendingFile {
public:
    virtual ~PendingFile() = default;
    virtual std::error_code write(const std::string& text) = 0;
    // EEXIST when the name is taken.
    virtual std::error_code link(int folderFd, const std::string& name) = 0;
};

// An O_TMPFILE file: it has no name until linked, and vanishes if anything fails.
class UnnamedFile : public PendingFile {
public:
    explicit UnnamedFile(UniqueFd fd) : fd_(std::move(fd)) {}

    // operation_not_supported when the kernel or file system cannot make one.
    static std::error_code create(int folderFd, std::unique_ptr<PendingFile>& file) {
        UniqueFd fd(::openat(folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (fd.valid()) {
            file = std::make_unique<UnnamedFile>(std::move(fd));
            return {};
        }
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return std::make_error_code(std::errc::operation_not_supported);
        return lastError();
    }

    std::error_code write(const std::string& text) override { return writeAll(fd_.get(), text); }

    std::error_code link(int folderFd, const std::string& name) override {
        // Linking by the descriptor's /proc entry needs no privilege;
        // AT_EMPTY_PATH serves where /proc is not mounted.
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
        if (::linkat(AT_FDCWD, self.c_str(), folderFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return {};
        if (errno != ENOENT) return lastError();
        if (::linkat(fd_.get(), "", folderFd, name.c_str(), AT_EMPTY_PATH) == 0) return {};
        // No /proc and no privilege for AT_EMPTY_PATH: the file cannot be given a name.
        if (errno == ENOENT || errno == EPERM) return std::make_error_code(std::errc::operation_not_supported);
        return lastError();
    }

private:
    UniqueFd fd_;
};

// A file under a name no other save uses, linked to the level's name and then
// removed, so it never stays behind to be counted as a level.
class TemporaryFile : public PendingFile {
public:
    TemporaryFile(int folderFd, UniqueFd fd, std::string name)
        : folderFd_(folderFd), fd_(std::move(fd)), name_(std::move(name)) {}
    ~TemporaryFile() override { ::unlinkat(folderFd_, name_.c_str(), 0); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    static std::error_code create(int folderFd, std::unique_ptr<PendingFile>& file) {
        std::random_device seed;
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = ".orbo-save-" + std::to_string(::getpid()) + "-" + std::to_string(seed()) + ".tmp";
            UniqueFd fd(::openat(folderFd, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666));
            if (fd.valid()) {
                file = std::make_unique<TemporaryFile>(folderFd, std::move(fd), std::move(name));
                return {};
            }
            if (errno != EEXIST) return lastError();
        }
        return std::make_error_code(std::errc::file_exists);
    }

    std::error_code write(const std::string& text) override { return writeAll(fd_.get(), text); }

    std::error_code link(int folderFd, const std::string& name) override {
        if (::linkat(folderFd_, name_.c_str(), folderFd, name.c_str(), 0) == 0) return {};
        return lastError();
    }

private:
    int folderFd_;
    UniqueFd fd_;
    std::string name_;
};

using CreatePendingFile = std::error_code (*)(int folderFd, std::unique_ptr<PendingFile>& file);

// Writes the text into a new pending file and links it to the first free name
// from `number` on, which is left at the name taken or tried last.
std::error_code writeAndLink(CreatePendingFile create, int folderFd, const std::string& text,
                             const FolderListing& listing, int& number) {
    const auto skipTaken = [&] {
        while (number < INT_MAX && listing.foldedNames.contains(foldCase(levelName(number)))) ++number;
    };
    skipTaken();
    std::unique_ptr<PendingFile> file;
    if (const std::error_code error = create(folderFd, file)) return error;
    if (const std::error_code error = file->write(text)) return error;
    for (;;) {
        if (number == INT_MAX) return std::make_error_code(std::errc::file_exists);
        const std::error_code error = file->link(folderFd, levelName(number));
        // On EEXIST another save took the name since the folder was read.
        if (error != std::errc::file_exists) return error;
        ++number;
        skipTaken();
    }
}

SaveResult failure(std::filesystem::path path, std::error_code error) {
    return {false, std::move(path), error.message()};
}

}  // namespace

SaveResult saveEditorLevel(const std::filesystem::path& levelFolder, const EditorGrid& grid, SaveOptions options) {
    const UniqueFd folder(::open(levelFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) return failure(levelFolder, lastError());

    // The folder is read once; names it does not show are found taken by link().
    FolderListing listing;
    if (const std::error_code error = listFolder(folder.get(), listing)) return failure(levelFolder, error);
    int number = listing.regularFiles;
    const std::string text = formatLevel(grid);
    std::error_code error = std::make_error_code(std::errc::operation_not_supported);
    if (options.unnamedFile) error = writeAndLink(UnnamedFile::create, folder.get(), text, listing, number);
    if (error == std::errc::operation_not_supported)
        error = writeAndLink(TemporaryFile::create, folder.get(), text, listing, number);
    if (error) return failure(levelFolder / levelName(number), error);
    return {true, levelFolder / levelName(number), {}};
}

}  // namespace orbo

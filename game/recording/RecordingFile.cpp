// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/RecordingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>

namespace orbo::recording {
namespace {

constexpr auto SyncInterval = std::chrono::seconds(1);

std::string systemReason(int error) { return std::generic_category().message(error); }

}  // namespace

RecordingFile::RecordingFile(std::filesystem::path path, Mode mode, std::string_view header) : path_(std::move(path)) {
    const int how = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == Mode::New ? O_EXCL : O_TRUNC);
    fd_ = UniqueFd(::open(path_.c_str(), how, 0644));
    if (!fd_.valid()) {
        failure_ = systemReason(errno);
        return;
    }
    if (!write(header)) return;
    syncer_ = std::thread([this] { keepOnDisk(); });
}

RecordingFile::~RecordingFile() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_one();
    if (syncer_.joinable()) syncer_.join();
    if (fd_.valid() && failure_.empty()) ::fdatasync(fd_.get());
}

bool RecordingFile::write(std::string_view bytes) {
    if (!failure_.empty()) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_.get(), bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failure_ = systemReason(written < 0 ? errno : ENOSPC);
            // The part of the block that went out is taken back: the file ends on the block before.
            if (::ftruncate(fd_.get(), size_) != 0) failure_ += "; " + systemReason(errno);
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    size_ += static_cast<long long>(bytes.size());
    {
        const std::lock_guard lock(mutex_);
        unsynced_ = true;
    }
    wake_.notify_one();
    return true;
}

// The disk keeps what was written at most a second later, so that a power cut
// loses no more than that.
void RecordingFile::keepOnDisk() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return unsynced_ || closing_; });
        if (closing_) return;
        unsynced_ = false;
        lock.unlock();
        ::fdatasync(fd_.get());
        lock.lock();
        wake_.wait_for(lock, SyncInterval, [this] { return closing_; });
    }
}

}  // namespace orbo::recording

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TrialLevel.h"

#include <fcntl.h>

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#include "common/formats/LevelFile.h"
#include "editor/PathText.h"

namespace orbo {
namespace {

// An unnamed file in the folder holding the text; why not, when that fails.
QString writeUnnamed(const std::filesystem::path& folder, const std::string& text, UniqueFd& into) {
    UniqueFd file(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    if (!file.valid()) return QString::fromStdString(std::generic_category().message(errno));
    QFile writer;
    if (!writer.open(file.get(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle) ||
        writer.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !writer.flush())
        return writer.errorString();
    into = std::move(file);
    return {};
}

}  // namespace

std::vector<std::filesystem::path> trialFolders() {
    std::vector<std::filesystem::path> folders;
    // A relative or empty $TMPDIR names no folder at all.
    if (const char* named = std::getenv("TMPDIR"); named != nullptr && named[0] == '/') folders.emplace_back(named);
    const std::filesystem::path standard(P_tmpdir);
    if (folders.empty() || folders.front() != standard) folders.push_back(standard);
    return folders;
}

TrialLevel writeTrialLevel(const EditorGrid& grid, const std::vector<std::filesystem::path>& folders) {
    TrialLevel level;
    const std::string text = formatLevel(grid);
    QStringList failures;
    for (const std::filesystem::path& folder : folders) {
        const QString reason = writeUnnamed(folder, text, level.file);
        if (reason.isEmpty()) return level;
        failures << QStringLiteral("Не удалось записать этаж для игры в ") + toQString(folder) + u'\n' + reason;
    }
    level.failure = failures.join(u'\n');
    return level;
}

std::optional<qint64> startGameOn(const TrialLevel& level, const std::filesystem::path& game,
                                  const std::filesystem::path& workFolder) {
    // The game inherits the open file and reads it under the name of its descriptor.
    if (::fcntl(level.file.get(), F_SETFD, 0) != 0) return std::nullopt;
    qint64 pid = 0;
    const QStringList arguments = {QStringLiteral("--level"), QStringLiteral("/dev/fd/%1").arg(level.file.get())};
    const bool started = QProcess::startDetached(toQString(game), arguments, toQString(workFolder), &pid);
    ::fcntl(level.file.get(), F_SETFD, FD_CLOEXEC);
    if (!started) return std::nullopt;
    return pid;
}

}  // namespace orbo

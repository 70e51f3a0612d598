// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtcommon/DesktopIdentity.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>

#include "common/ProgramFiles.h"

namespace orbo {

void presentToDesktop(const char* desktopId, const char* iconName, const std::filesystem::path& programDir) {
    // Qt's X11 window class is the application's name.
    QCoreApplication::setApplicationName(QString::fromUtf8(desktopId));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(desktopId));
    QIcon icon;
    std::error_code error;
    for (const int size : program_files::IconSizes) {
        const std::filesystem::path file =
            programDir / program_files::iconFolder() / program_files::themeIcon(iconName, size);
        if (std::filesystem::is_regular_file(file, error)) icon.addFile(QFile::decodeName(file.c_str()));
    }
    QGuiApplication::setWindowIcon(icon);
}

QString programTitle() { return QFileInfo(QCoreApplication::applicationFilePath()).baseName(); }

}  // namespace orbo

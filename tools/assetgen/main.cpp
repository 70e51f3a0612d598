// SPDX-License-Identifier: GPL-3.0-or-later
// orbo-assetgen: paints, synthesises and composes every picture, sound and the
// tune the game, its menu and the editor read, and writes them below a program
// folder. The same build always writes the same bytes.
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Icon.h"

namespace {

// Qt's notes about the session it runs in (no runtime folder, no screen) mean
// nothing here; every real failure throws and is reported below.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "orbo-assetgen: %s\n", qPrintable(message));
}

int usage() {
    std::fprintf(stderr,
                 "usage: orbo-assetgen PROGRAM_FOLDER [--contact-sheet FILE.png] [--icons FOLDER]\n"
                 "Writes PROGRAM_FOLDER/графика and PROGRAM_FOLDER/звуки; with --contact-sheet also a\n"
                 "picture of every sprite; with --icons the desktop icons as FOLDER/hicolor/NxN/apps/*.png.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts are needed for the title; no screen is, and a build machine has none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQt);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::filesystem::path folder;
    std::filesystem::path sheet;
    std::filesystem::path icons;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--contact-sheet" && i + 1 < argc)
            sheet = argv[++i];
        else if (arg == "--icons" && i + 1 < argc)
            icons = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && folder.empty())
            folder = arg;
        else
            return usage();
    }
    if (folder.empty()) return usage();

    try {
        const auto pictures = orbo::assetgen::writeAll(folder);
        if (!sheet.empty()) orbo::assetgen::saveContactSheet(pictures, folder, sheet);
        if (!icons.empty()) orbo::assetgen::writeIcons(icons);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orbo-assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}

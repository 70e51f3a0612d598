// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QEventLoop>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "common/DesktopNames.h"
#include "common/FileSizeLimit.h"
#include "common/GraphicalDisplay.h"
#include "common/Paths.h"
#include "game/frontend/CommandLine.h"
#include "game/frontend/DefaultOptions.h"
#include "game/frontend/GameRecorder.h"
#include "game/frontend/MainMenu.h"
#include "game/frontend/MenuPad.h"
#include "game/frontend/PictureFiles.h"
#include "game/frontend/ReplayOnScreen.h"
#include "game/frontend/SessionMessages.h"
#include "game/platform/RealPlatform.h"
#include "game/session/Session.h"
#include "qtcommon/DesktopIdentity.h"
#include "qtcommon/RussianQtTexts.h"

namespace {

// One level file straight on the play screen, as the editor's "Играть" asks:
// the pictures are made ready as the menu does, the options are the menu's
// defaults, and the program ends with the session. The exit status is 1 when
// the level could not be played to its end: that has been reported.
int playLevelAlone(orbo::Game& game, const std::filesystem::path& programDir, const std::filesystem::path& file,
                   orbo::GameRecorder* recorder) {
    const orbo::MenuPictureLoad pictures = orbo::prepareMenuPictures(programDir);
    if (!pictures.problems.isEmpty())
        orbo::showSessionMessage(pictures.problems.join(QLatin1Char('\n')).toStdString(), orbo::MessageIcon::Critical);
    orbo::applyDefaultOptions(game.settings);
    if (recorder) recorder->beginSession(game, file);
    const orbo::LevelEnd end = orbo::playLevelFile(game, file);
    if (recorder) recorder->endSession(game);
    return end == orbo::LevelEnd::NotPlayed || end == orbo::LevelEnd::ScreenLost ? 1 : 0;
}

// The command line is read before any window exists, so --help and a wrong
// command line are answered also where there is no display.
orbo::CommandLine readCommandLine(int& argc, char* argv[]) {
    const QCoreApplication console(argc, argv);
    const auto russianTexts = orbo::installRussianQtTexts();
    return orbo::parseCommandLine(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char* argv[]) {
    orbo::ignoreFileSizeLimitSignal();
    const orbo::CommandLine wanted = readCommandLine(argc, argv);
    if (wanted.output) {
        std::fputs(wanted.output->toLocal8Bit().constData(), wanted.exitStatus == 0 ? stdout : stderr);
        return wanted.exitStatus;
    }

    if (!orbo::checkGraphicalDisplay("orbo")) return orbo::NoDisplayStatus;
    QApplication app(argc, argv);
    const auto russianTexts = orbo::installRussianQtTexts();

    const std::filesystem::path programDir = orbo::executableFolder();
    orbo::presentToDesktop(orbo::desktop::GameId, orbo::desktop::GameIcon, programDir);
    // A session lets the menu's window messages through, but never the player's
    // clicks and keys: those belong to the play screen until it closes.
    orbo::sdl::RealPlatform machine(
        programDir, [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); },
        orbo::showSessionMessage);
    machine.screen().setFullscreen(wanted.fullscreen);
    if (wanted.replayFile) return orbo::replayOnScreen(machine, *wanted.replayFile);
    std::optional<orbo::GameRecorder> recorder;
    if (wanted.recordGames) recorder.emplace(machine.platform(), wanted.recordFile);
    const auto game = std::make_unique<orbo::Game>(recorder ? recorder->platform() : machine.platform());
    if (wanted.levelFile) return playLevelAlone(*game, programDir, *wanted.levelFile, recorder ? &*recorder : nullptr);

    std::optional<orbo::MenuPad> pad;
    orbo::MainMenu menu(*game, programDir, [&pad, &recorder](orbo::Game& played) {
        if (pad) pad->suspend();
        if (recorder) recorder->beginSession(played);
        orbo::playSession(played);
        if (recorder) recorder->endSession(played);
        if (pad) pad->resume();
    });
    pad.emplace(&menu);
    menu.show();
    return app.exec();
}

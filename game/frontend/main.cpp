#include <QApplication>
#include <QEventLoop>
#include <filesystem>
#include <memory>

#include "common/GraphicalDisplay.h"
#include "common/Paths.h"
#include "game/frontend/MainMenu.h"
#include "game/presentation/sdl/RealPlatform.h"
#include "game/session/Session.h"

int main(int argc, char* argv[]) {
    if (!orbo::checkGraphicalDisplay("orbo")) return orbo::NoDisplayStatus;
    QApplication app(argc, argv);
    const std::filesystem::path programDir = orbo::executableFolder();
    // A session lets the menu's window messages through, but never the player's
    // clicks and keys: those belong to the play screen until it closes.
    orbo::sdl::RealPlatform machine(programDir, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    const auto game = std::make_unique<orbo::Game>(machine.platform());
    orbo::MainMenu menu(*game, programDir, orbo::playSession);
    menu.show();
    return app.exec();
}

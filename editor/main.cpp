// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <memory>

#include "common/DesktopNames.h"
#include "common/FileSizeLimit.h"
#include "common/GraphicalDisplay.h"
#include "common/Paths.h"
#include "editor/EditorCommandLine.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorWindow.h"
#include "qtcommon/DesktopIdentity.h"
#include "qtcommon/RussianQtTexts.h"

int main(int argc, char* argv[]) {
    if (const auto answered = orbo::answerEditorCommandLine(argc, argv)) return *answered;
    if (!orbo::checkGraphicalDisplay("Редактор")) return orbo::NoDisplayStatus;
    orbo::ignoreFileSizeLimitSignal();
    QApplication app(argc, argv);
    const auto russianTexts = orbo::installRussianQtTexts();
    orbo::presentToDesktop(orbo::desktop::EditorId, orbo::desktop::EditorIcon, orbo::executableFolder());
    orbo::EditorWindow window(orbo::executableFolder(), std::make_unique<orbo::QtEditorDialogs>());
    window.show();
    return QApplication::exec();
}

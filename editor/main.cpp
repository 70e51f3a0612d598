#include <QApplication>
#include <memory>

#include "common/FileSizeLimit.h"
#include "common/GraphicalDisplay.h"
#include "common/Paths.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorWindow.h"
#include "qtcommon/RussianQtTexts.h"

int main(int argc, char* argv[]) {
    if (!orbo::checkGraphicalDisplay("Редактор")) return orbo::NoDisplayStatus;
    orbo::ignoreFileSizeLimitSignal();
    QApplication app(argc, argv);
    const auto russianTexts = orbo::installRussianQtTexts();
    orbo::EditorWindow window(orbo::executableFolder(), std::make_unique<orbo::QtEditorDialogs>());
    window.show();
    return QApplication::exec();
}

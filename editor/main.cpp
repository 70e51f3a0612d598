#include <QApplication>
#include <memory>

#include "common/Paths.h"
#include "editor/EditorDialogs.h"
#include "editor/Form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orbo::Form1 form1(orbo::executableFolder(), std::make_unique<orbo::QtEditorDialogs>());
    form1.show();
    return QApplication::exec();
}

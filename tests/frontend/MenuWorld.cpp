#include "tests/frontend/MenuWorld.h"

#include <QImageWriter>
#include <cstdlib>
#include <utility>

#include "game/frontend/PictureFiles.h"

namespace orbo::test {

MenuWorld::MenuWorld()
    : machine(std::make_unique<fake::Machine>(dir.path())), game(std::make_unique<Game>(machine->platform)) {}

void MenuWorld::addPictures() {
    std::filesystem::create_directories(graphics());
    writePicture(graphics() / "заставка.jpg", QColor(200, 30, 30), {320, 200});
    for (int frame = 0; frame <= 100; frame += 2) {
        writePicture(graphics() / (kettleName(frame) + ".jpg").toStdString(), QColor(2 * frame, 100, 250 - 2 * frame));
    }
    writePicture(graphics() / "снеговик.bmp", QColor(255, 255, 255), {50, 47});
    writePicture(graphics() / "снеговик1.bmp", QColor(0, 0, 255), {50, 47});
    writePicture(graphics() / "коп.bmp", QColor(0, 128, 0), {50, 47});
    writePicture(graphics() / "коп1.bmp", QColor(128, 0, 128), {50, 47});
}

std::unique_ptr<Form2> MenuWorld::makeMenu(Form2::Session session) {
    if (!session) session = [](Game&) {};
    return std::make_unique<Form2>(*game, dir.path(), std::move(session), recorder());
}

MessageFunction MenuWorld::recorder() {
    return [this](const QString& text, MessageIcon icon) {
        messages << text;
        icons.push_back(icon);
    };
}

QString kettleName(int frame) { return QStringLiteral("Чайник%1").arg(frame, 4, 10, QLatin1Char('0')); }

void writePicture(const std::filesystem::path& file, QColor colour, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QImageWriter writer(qtPath(file));
    if (file.extension() == ".jpg") writer.setFormat("jpeg");
    if (file.extension() == ".bmp") writer.setFormat("bmp");
    if (!writer.write(picture)) {
        qFatal("MenuWorld.cpp: cannot write the test picture %s: %s", qPrintable(qtPath(file)),
               qPrintable(writer.errorString()));
    }
}

bool nearly(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 12 && std::abs(a.green() - b.green()) <= 12 &&
           std::abs(a.blue() - b.blue()) <= 12;
}

QColor middleOf(const QImage& picture) { return picture.pixelColor(picture.width() / 2, picture.height() / 2); }

}  // namespace orbo::test

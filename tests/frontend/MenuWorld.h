#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <vector>

#include "game/frontend/Form2.h"
#include "game/session/fakes/Fakes.h"
#include "tests/common/TempDir.h"

namespace orbo::test {

// A program folder of its own, the game's records on a fake machine, and the
// messages the menu showed instead of message boxes.
struct MenuWorld {
    MenuWorld();

    // Fills "графика" with the 52 JPEG sources and the four figure bitmaps.
    void addPictures();
    std::filesystem::path graphics() const { return dir.path() / "графика"; }

    // A menu on this world, running session on its game buttons.
    std::unique_ptr<Form2> makeMenu(Form2::Session session = {});

    MessageFunction recorder();

    TempDir dir;
    std::unique_ptr<fake::Machine> machine;
    std::unique_ptr<Game> game;
    QStringList messages;
    std::vector<MessageIcon> icons;
};

// "Чайник0042" for frame 42, spelt out here independently of the menu's own naming.
QString kettleName(int frame);

void writePicture(const std::filesystem::path& file, QColor colour, QSize size = {61, 42});

// Whether two colours differ by no more than JPEG's loss allows for flat areas.
bool nearly(QColor a, QColor b);

// The colour in the middle of a picture shown by a widget, or of a file.
QColor middleOf(const QImage& picture);

}  // namespace orbo::test

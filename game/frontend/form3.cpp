#include "game/frontend/form3.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "common/Paths.h"
#include "game/frontend/MenuLook.h"
#include "game/frontend/MenuPictures.h"
#include "game/frontend/PictureFiles.h"

namespace orbo {
namespace {

template <typename Control>
Control* place(QWidget* parent, const char* name, const QString& caption, int x, int y, int width, int height) {
    auto* control = new Control(caption, parent);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(x, y, width, height);
    return control;
}

}  // namespace

form3::form3(Game& game, const std::filesystem::path& programDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      game_(game),
      background_(QPixmap::fromImage(readPicture(resolveProgramPath(programDir, menu_pictures::SplashJpeg)))) {
    setObjectName(QStringLiteral("form3"));
    setWindowTitle(QStringLiteral("Опции"));
    setFixedSize(312, 213);
    setFont(menuFont(9.75));

    Check1 = place<QCheckBox>(this, "Check1", QStringLiteral("Звук"), 9, 17, 275, 23);
    Check2 = place<QCheckBox>(this, "Check2", QStringLiteral("Музыка  (может не работать !!!)"), 9, 40, 275, 23);
    Frame1 = place<QGroupBox>(this, "Frame1", QStringLiteral("Интелект компьютера"), 9, 71, 275, 79);
    Option1 = place<QRadioButton>(Frame1, "Option1", QStringLiteral("Тупой"), 5, 19, 249, 21);
    Option2 = place<QRadioButton>(Frame1, "Option2", QStringLiteral("Умный"), 5, 43, 249, 21);
    Label1 = place<QLabel>(this, "Label1", QStringLiteral("Скорость игры"), 12, 153, 134, 17);
    Command1 = place<QPushButton>(this, "Command1", QStringLiteral("Окей"), 207, 173, 87, 27);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(9, 175, 177, 25);
    HScroll1->setRange(1, 7);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(2);
    // A scroll bar inverts the arrow keys and the wheel by default; as a speed
    // control, right, up and the wheel forward must all mean faster.
    HScroll1->setInvertedControls(false);
    HScroll1->setFocusPolicy(Qt::StrongFocus);

    for (QWidget* coloured : std::initializer_list<QWidget*>{Check1, Check2, Frame1, Option1, Option2, Label1}) {
        paintGreenOnBlack(coloured);
    }
    Check1->setChecked(true);
    Option1->setChecked(true);

    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command1);
    setTabOrder(Command1, HScroll1);

    connect(Command1, &QPushButton::clicked, this, &form3::Command1Click);
}

void form3::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void form3::Command1Click() {
    game_.settings.smartCops = Option1->isChecked() ? 0 : 1;
    game_.settings.soundOn = Check1->checkState() != Qt::Unchecked;
    game_.settings.musicOn = Check2->checkState() != Qt::Unchecked;
    game_.settings.speed = HScroll1->value();
    accept();
}

}  // namespace orbo

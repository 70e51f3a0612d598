// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/OptionsDialog.h"

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

OptionsDialog::OptionsDialog(Game& game, const std::filesystem::path& programDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      game_(game),
      background_(QPixmap::fromImage(readPicture(resolveProgramPath(programDir, menu_pictures::splashJpeg())))) {
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Опции"));
    setFixedSize(312, 213);
    setFont(menuFont(9.75));

    soundBox_ = place<QCheckBox>(this, "soundBox", QStringLiteral("Звук"), 9, 17, 275, 23);
    musicBox_ = place<QCheckBox>(this, "musicBox", QStringLiteral("Музыка  (может не работать !!!)"), 9, 40, 275, 23);
    copsGroup_ = place<QGroupBox>(this, "copsGroup", QStringLiteral("Интелект компьютера"), 9, 71, 275, 79);
    dumbCopsButton_ = place<QRadioButton>(copsGroup_, "dumbCopsButton", QStringLiteral("Тупой"), 5, 19, 249, 21);
    smartCopsButton_ = place<QRadioButton>(copsGroup_, "smartCopsButton", QStringLiteral("Умный"), 5, 43, 249, 21);
    speedLabel_ = place<QLabel>(this, "speedLabel", QStringLiteral("Скорость игры"), 12, 153, 134, 17);
    okButton_ = place<QPushButton>(this, "okButton", QStringLiteral("Окей"), 207, 173, 87, 27);

    speedBar_ = new QScrollBar(Qt::Horizontal, this);
    speedBar_->setObjectName(QStringLiteral("speedBar"));
    speedBar_->setGeometry(9, 175, 177, 25);
    speedBar_->setRange(1, 7);
    speedBar_->setSingleStep(1);
    speedBar_->setPageStep(1);
    speedBar_->setValue(2);
    // A scroll bar inverts the arrow keys and the wheel by default; as a speed
    // control, right, up and the wheel forward must all mean faster.
    speedBar_->setInvertedControls(false);
    speedBar_->setFocusPolicy(Qt::StrongFocus);

    for (QWidget* coloured : std::initializer_list<QWidget*>{soundBox_, musicBox_, copsGroup_, dumbCopsButton_,
                                                             smartCopsButton_, speedLabel_}) {
        paintGreenOnBlack(coloured);
    }
    soundBox_->setChecked(true);
    dumbCopsButton_->setChecked(true);

    setTabOrder(soundBox_, musicBox_);
    setTabOrder(musicBox_, dumbCopsButton_);
    setTabOrder(dumbCopsButton_, smartCopsButton_);
    setTabOrder(smartCopsButton_, okButton_);
    setTabOrder(okButton_, speedBar_);

    connect(okButton_, &QPushButton::clicked, this, &OptionsDialog::acceptChoices);
}

void OptionsDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void OptionsDialog::acceptChoices() {
    game_.settings.smartCops = !dumbCopsButton_->isChecked();
    game_.settings.soundOn = soundBox_->checkState() != Qt::Unchecked;
    game_.settings.musicOn = musicBox_->checkState() != Qt::Unchecked;
    game_.settings.speed = speedBar_->value();
    accept();
}

}  // namespace orbo

#pragma once

#include <QDialog>
#include <QPixmap>
#include <filesystem>

#include "game/session/core/GameState.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace orbo {

// The options dialog. It never reads the settings: its controls keep their own
// state while it lives, and start out matching the menu's defaults. "Окей"
// writes all four settings and hides it (accepted); the close box rejects it,
// and the menu then throws it away so the next showing starts afresh.
class form3 : public QDialog {
    Q_OBJECT

public:
    form3(Game& game, const std::filesystem::path& programDir, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Command1Click();

    Game& game_;
    QPixmap background_;  // null when the picture could not be read

    QCheckBox* Check1;
    QCheckBox* Check2;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Label1;
    QScrollBar* HScroll1;
    QPushButton* Command1;
};

}  // namespace orbo

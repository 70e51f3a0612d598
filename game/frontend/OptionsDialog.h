// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>
#include <filesystem>

#include "game/core/GameState.h"

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
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    OptionsDialog(Game& game, const std::filesystem::path& programDir, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void acceptChoices();

    Game& game_;
    QPixmap background_;  // null when the picture could not be read

    QCheckBox* soundBox_;
    QCheckBox* musicBox_;
    QGroupBox* copsGroup_;
    QRadioButton* dumbCopsButton_;
    QRadioButton* smartCopsButton_;
    QLabel* speedLabel_;
    QScrollBar* speedBar_;
    QPushButton* okButton_;
};

}  // namespace orbo

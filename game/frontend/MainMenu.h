// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "game/core/GameState.h"
#include "game/frontend/MenuMessages.h"

class QLabel;
class QPushButton;
class QTimer;

namespace orbo {

class OptionsDialog;

// The main menu, the program's home window for its whole run. Loading it
// converts the game's pictures and sets the default options; every play
// session is started from it and returns to it.
class MainMenu : public QWidget {
    Q_OBJECT

public:
    // Runs one whole play session and returns when it is over.
    using Session = std::function<void(Game&)>;

    // messages: how the player is told things; empty means message boxes over the menu.
    MainMenu(Game& game, std::filesystem::path programDir, Session session, MessageFunction messages = {},
             QWidget* parent = nullptr);
    ~MainMenu() override;

    // The figures' two timers; public so that they can be driven without waiting.
    void showFirstFigureFrames();
    void showSecondFigureFrames();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(const char* name, const QString& caption, int x, int y, int width);
    QLabel* addFigure(const char* name, int x, int y);
    void loadMenu();
    void showFigure(QLabel* box, const char* picture);
    void runSession();

    void startNewGame();
    void continueGame();
    void showOptions();
    void showHelp();
    void startEditor();

    Game& game_;
    std::filesystem::path programDir_;
    Session session_;
    MessageFunction messages_;
    bool sessionRunning_ = false;
    std::unique_ptr<OptionsDialog> options_;  // alive from its first showing until its close box

    QLabel* splash_;
    QLabel* copFigure1_;
    QLabel* heroFigure_;
    QLabel* copFigure2_;
    QPushButton* newGameButton_;
    QPushButton* continueButton_;
    QPushButton* optionsButton_;
    QPushButton* helpButton_;
    QPushButton* editorButton_;
    QPushButton* exitButton_;
    QTimer* firstFigureTimer_;
    QTimer* secondFigureTimer_;
    std::map<std::string, QPixmap> figurePictures_;  // by picture name; null for a missing one
};

}  // namespace orbo

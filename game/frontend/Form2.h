#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "game/frontend/MenuMessages.h"
#include "game/session/core/GameState.h"

class QLabel;
class QPushButton;
class QTimer;

namespace orbo {

class form3;

// The main menu, the program's home window for its whole run. Loading it
// converts the game's pictures and sets the default options; every play
// session is started from it and returns to it.
class Form2 : public QWidget {
    Q_OBJECT

public:
    // Runs one whole play session and returns when it is over.
    using Session = std::function<void(Game&)>;

    // messages: how the player is told things; empty means message boxes over the menu.
    Form2(Game& game, std::filesystem::path programDir, Session session, MessageFunction messages = {},
          QWidget* parent = nullptr);
    ~Form2() override;

    // The figures' two timers; public so that they can be driven without waiting.
    void Timer1Timer();
    void Timer2Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(const char* name, const QString& caption, int x, int y, int width);
    QLabel* addFigure(const char* name, int x, int y);
    void loadMenu();
    void showFigure(QLabel* box, const char* picture);
    void playSession();

    void Command1Click();
    void Command5Click();
    void Command6Click();
    void Command3Click();
    void Command4Click();

    Game& game_;
    std::filesystem::path programDir_;
    Session session_;
    MessageFunction messages_;
    bool sessionRunning_ = false;
    std::unique_ptr<form3> options_;  // alive from its first showing until its close box

    QLabel* Image1;
    QLabel* Коп1;
    QLabel* Орбо;
    QLabel* Коп2;
    QPushButton* Command1;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command2;
    QTimer* Timer1;
    QTimer* Timer2;
};

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "game/platform/SdlPads.h"

namespace orbo {

// Drives the menu and its dialogs with a pad, through the keys a keyboard player
// would press: the D-pad's up and down move the focus (Shift+Tab, Tab), left and
// right are the arrow keys (the speed bar, the cops' choice), A presses the
// focused control (Space) and B is Esc, which closes the options dialog. Only
// SDL's game controller subsystem runs; it is read twenty times a second, which
// costs next to nothing, and not at all while a play session has the pads.
class MenuPad : public QObject {
    Q_OBJECT

public:
    // home: the window the keys go to while no window of the program is active.
    explicit MenuPad(QWidget* home);

    // A play session reads the pads itself meanwhile.
    void suspend();
    void resume();
    // Reads the pads' button presses since the last reading and acts on them.
    void poll();

private:
    void sendKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    QPointer<QWidget> home_;
    sdl::SdlPads pads_;
    QTimer timer_;
};

}  // namespace orbo

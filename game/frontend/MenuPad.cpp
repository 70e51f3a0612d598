// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/MenuPad.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>

namespace orbo {
namespace {

constexpr int PollMs = 50;

}  // namespace

MenuPad::MenuPad(QWidget* home) : home_(home) {
    timer_.setInterval(PollMs);
    connect(&timer_, &QTimer::timeout, this, &MenuPad::poll);
    // Without the subsystem (no joystick support at all) the menu is the keyboard's alone.
    if (pads_.start()) timer_.start();
}

void MenuPad::suspend() { timer_.stop(); }

void MenuPad::resume() {
    if (!pads_.start()) return;
    timer_.start();
}

void MenuPad::poll() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        pads_.handle(event);
        const auto button = pads_.pressedButton(event);
        if (!button) continue;
        switch (*button) {
            case SDL_CONTROLLER_BUTTON_DPAD_UP: sendKey(Qt::Key_Backtab, Qt::ShiftModifier); break;
            case SDL_CONTROLLER_BUTTON_DPAD_DOWN: sendKey(Qt::Key_Tab); break;
            case SDL_CONTROLLER_BUTTON_DPAD_LEFT: sendKey(Qt::Key_Left); break;
            case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: sendKey(Qt::Key_Right); break;
            case SDL_CONTROLLER_BUTTON_A: sendKey(Qt::Key_Space); break;
            case SDL_CONTROLLER_BUTTON_B: sendKey(Qt::Key_Escape); break;
            default: break;
        }
    }
}

void MenuPad::sendKey(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) window = QApplication::activeWindow();
    if (!window) window = home_;
    if (!window) return;
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    // The cops' two choices stand one above the other, and a choice moves to the
    // neighbour in the arrow's direction.
    if (qobject_cast<QRadioButton*>(target) && (key == Qt::Key_Left || key == Qt::Key_Right))
        key = key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down;
    // A press and its release, as a tap: buttons act on the release. The press
    // may close the window it went to.
    const QPointer<QWidget> guard = target;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    if (guard) QApplication::sendEvent(guard, &release);
}

}  // namespace orbo

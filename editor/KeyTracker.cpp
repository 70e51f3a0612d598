// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyTracker.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

namespace orbo {
namespace {

std::optional<int> virtualKeyForButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return KeyCode::LeftButton;
        case Qt::RightButton: return KeyCode::RightButton;
        case Qt::MiddleButton: return KeyCode::MiddleButton;
        default: return std::nullopt;
    }
}

std::optional<int> virtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        // The keypad's digits have codes of their own, apart from the main keyboard's.
        const int digit = qtKey - Qt::Key_0;
        return modifiers.testFlag(Qt::KeypadModifier) ? KeyCode::Numpad0 + digit : KeyCode::Digit0 + digit;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return KeyCode::LetterA + (qtKey - Qt::Key_A);
    if (qtKey == Qt::Key_Space) return KeyCode::Space;
    return std::nullopt;
}

bool inRange(int virtualKey) { return virtualKey >= 0 && virtualKey < KeyTracker::KeyCount; }

}  // namespace

KeyTracker::KeyTracker(QObject* parent) : QObject(parent) {}

bool KeyTracker::query(int virtualKey) {
    if (!inRange(virtualKey)) return false;
    const auto key = static_cast<std::size_t>(virtualKey);
    const bool result = down_[key] || pressedSinceQuery_[key];
    pressedSinceQuery_[key] = false;
    return result;
}

bool KeyTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: keyEvent(static_cast<const QKeyEvent&>(*event)); break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (const auto key = virtualKeyForButton(static_cast<const QMouseEvent*>(event)->button())) press(*key);
            break;
        case QEvent::MouseButtonRelease:
            if (const auto key = virtualKeyForButton(static_cast<const QMouseEvent*>(event)->button())) release(*key);
            break;
        case QEvent::ApplicationStateChange:
            // Releases made while another program is active never reach us; a key
            // left down would otherwise stay down for good.
            if (static_cast<const QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive) {
                down_.reset();
                virtualKeyByScanCode_.clear();
            }
            break;
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyTracker::keyEvent(const QKeyEvent& event) {
    // A held key repeats as release and press pairs; it stays down all along.
    if (event.isAutoRepeat()) return;
    const quint32 scanCode = event.nativeScanCode();
    if (event.type() == QEvent::KeyPress) {
        const auto key = virtualKeyFor(event.key(), event.modifiers());
        if (!key) return;
        if (scanCode != 0) virtualKeyByScanCode_.insert(scanCode, *key);
        press(*key);
        return;
    }
    if (scanCode != 0 && virtualKeyByScanCode_.contains(scanCode)) {
        release(virtualKeyByScanCode_.take(scanCode));
        return;
    }
    if (const auto key = virtualKeyFor(event.key(), event.modifiers())) release(*key);
}

void KeyTracker::press(int virtualKey) {
    const auto key = static_cast<std::size_t>(virtualKey);
    down_[key] = true;
    pressedSinceQuery_[key] = true;
    emit keyPressed();
}

void KeyTracker::release(int virtualKey) { down_[static_cast<std::size_t>(virtualKey)] = false; }

}  // namespace orbo

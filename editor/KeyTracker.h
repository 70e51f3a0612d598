// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <bitset>

class QKeyEvent;

namespace orbo {

// The codes the tracker records, numbered as the editor's level keys have always been.
namespace KeyCode {
constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;
constexpr int Space = 32;
constexpr int Digit0 = 48;
constexpr int Digit1 = 49;
constexpr int Digit6 = 54;
constexpr int LetterA = 65;
constexpr int Numpad0 = 96;
}  // namespace KeyCode

// The keyboard and mouse buttons as key codes (digits 48..57,
// letters 65..90, Space 32, keypad digits 96..105, mouse buttons 1, 2 and 4),
// recorded from every event the application receives, so that the state does
// not depend on which control has the focus.
class KeyTracker : public QObject {
    Q_OBJECT
public:
    static constexpr int KeyCount = 256;

    explicit KeyTracker(QObject* parent = nullptr);

    // Non-zero when the key is down now or was pressed since the previous
    // query of the same key; the query forgets that earlier press.
    bool query(int virtualKey);
    // Whether any key is down or has a press not yet queried.
    bool anyKeyActive() const { return down_.any() || pressedSinceQuery_.any(); }

signals:
    // A key or button went down.
    void keyPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keyEvent(const QKeyEvent& event);
    void press(int virtualKey);
    void release(int virtualKey);

    std::bitset<KeyCount> down_;
    std::bitset<KeyCount> pressedSinceQuery_;
    // The key a physical key pressed, so that its release clears the same code
    // even when a modifier changed the key's meaning in between (Shift+1 is "!").
    QHash<quint32, int> virtualKeyByScanCode_;
};

}  // namespace orbo

#pragma once

#include <QHash>
#include <QObject>
#include <bitset>

class QKeyEvent;

namespace orbo {

// The keyboard and mouse buttons as Windows virtual-key codes (digits 48..57,
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

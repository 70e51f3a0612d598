// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "game/core/Platform.h"

class QWidget;

namespace orbo {

// How the menu tells the player something: a message box with an OK button.
// Tests put their own in its place to read the texts.
using MessageFunction = std::function<void(const QString& text, MessageIcon icon)>;

// What a message box shows of a message: a long one (a list that would not fit
// on the screen) only its first paragraph, with the rest behind the box's
// details button.
struct BoxText {
    QString text;
    QString details;
};
BoxText boxText(const QString& message);

// Modal message boxes over parent, under the program's own title.
MessageFunction messageBoxesOver(QWidget* parent);

}  // namespace orbo

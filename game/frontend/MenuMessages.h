#pragma once

#include <QString>
#include <functional>

#include "game/core/Platform.h"

class QWidget;

namespace orbo {

// How the menu tells the player something: a message box with an OK button.
// Tests put their own in its place to read the texts.
using MessageFunction = std::function<void(const QString& text, MessageIcon icon)>;

// Modal message boxes over parent, under the program's own title.
MessageFunction messageBoxesOver(QWidget* parent);

}  // namespace orbo

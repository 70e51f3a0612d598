// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QWidget;

namespace orbo {

// The menu's bold sans-serif at the given size; wherever MS Sans Serif is
// missing the system's sans-serif stands in.
QFont menuFont(qreal points);

// Green text on black, the options dialog's colours.
void paintGreenOnBlack(QWidget* widget);

}  // namespace orbo

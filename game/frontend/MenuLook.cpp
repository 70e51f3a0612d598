// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/MenuLook.h"

#include <QPalette>
#include <QWidget>

namespace orbo {

QFont menuFont(qreal points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void paintGreenOnBlack(QWidget* widget) {
    // Buttons fill their background with the Button role, the rest with Window.
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Button}) palette.setColor(role, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, QColor(0x00, 0xFF, 0x00));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace orbo

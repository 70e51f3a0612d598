// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/MenuMessages.h"

#include <QMessageBox>

#include "qtcommon/DesktopIdentity.h"

namespace orbo {

namespace {

// Lines that fit in a box on the smallest screen the game runs on.
constexpr qsizetype MostLinesInBox = 12;

}  // namespace

BoxText boxText(const QString& message) {
    const qsizetype paragraphEnd = message.indexOf(QStringLiteral("\n\n"));
    if (message.count(QLatin1Char('\n')) < MostLinesInBox || paragraphEnd < 0) return {message, {}};
    return {message.left(paragraphEnd), message.mid(paragraphEnd + 2)};
}

MessageFunction messageBoxesOver(QWidget* parent) {
    return [parent](const QString& message, MessageIcon icon) {
        const BoxText shown = boxText(message);
        QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, programTitle(),
                        shown.text, QMessageBox::Ok, parent);
        if (!shown.details.isEmpty()) box.setDetailedText(shown.details);
        box.exec();
    };
}

}  // namespace orbo

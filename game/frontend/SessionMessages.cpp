// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/SessionMessages.h"

#include <QMessageBox>

namespace orbo {

void showSessionMessage(std::string_view text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, QStringLiteral("Orbo"),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

}  // namespace orbo

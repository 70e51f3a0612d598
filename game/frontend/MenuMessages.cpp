#include "game/frontend/MenuMessages.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace orbo {

MessageFunction messageBoxesOver(QWidget* parent) {
    return [parent](const QString& text, MessageIcon icon) {
        QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                        QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
        box.exec();
    };
}

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "qtcommon/DesktopIdentity.h"

namespace orbo {

QString QtEditorDialogs::chooseFileToOpen(QWidget* parent, const QString& startFolder, const QString& filter) {
    // Qt's own dialog, so that it speaks Russian like the rest of the editor on any desktop.
    return QFileDialog::getOpenFileName(parent, QString(), startFolder, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void QtEditorDialogs::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace orbo

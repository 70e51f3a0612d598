// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace orbo {

// The editor's modal dialogs, apart from the window so that the file commands
// can run without anyone at the screen.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;

    // The file the user picked, or an empty text when the dialog was cancelled.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& startFolder, const QString& filter) = 0;
    // A message with an OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
};

class QtEditorDialogs final : public EditorDialogs {
public:
    QString chooseFileToOpen(QWidget* parent, const QString& startFolder, const QString& filter) override;
    void showMessage(QWidget* parent, const QString& text) override;
};

}  // namespace orbo

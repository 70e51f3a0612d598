// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real editor window over a program folder of its own, shown offscreen,
// driven as a user would drive it.
#include <QtTest>
#include <QtWidgets>

#include "common/ProgramFiles.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorWindow.h"
#include "editor/FieldView.h"
#include "editor/PathText.h"

using namespace Qt::StringLiterals;

namespace orbo::test {

// Each block picture is one plain colour, so a cell's colour tells its block.
inline const QList<QColor> BlockColours = {QColor(40, 40, 40),  QColor(200, 30, 30), QColor(30, 160, 30),
                                           QColor(200, 200, 0), QColor(30, 30, 200), QColor(200, 0, 200)};

inline QByteArray rowsOf(const QByteArray& row, int count) { return (row + "\r\n").repeated(count); }

// Sets an environment variable (null: unsets it) until the guard goes.
[[nodiscard]] inline auto setForNow(const char* name, const char* value) {
    const bool wasSet = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    value ? qputenv(name, value) : qunsetenv(name);
    return qScopeGuard([=] { wasSet ? qputenv(name, old) : qunsetenv(name); });
}

// Records what the window asked of its dialogs and answers the open dialog
// with a prepared file name.
class FakeDialogs final : public EditorDialogs {
public:
    QString chooseFileToOpen(QWidget*, const QString& startFolder, const QString& filter) override {
        asked = {startFolder, filter};
        return answer;
    }
    void showMessage(QWidget*, const QString& text) override { messages << text; }

    QString answer;
    QStringList asked;
    QStringList messages;
};

// With a data folder of its own for the player's saves. Each block picture is
// a cell of its colour, but for those given in odd: missing (no bytes) or these
// bytes. The key poll timer is stopped unless asked for, so that a test
// decides when keys are read.
struct Editor {
    explicit Editor(bool polling = false, const QMap<int, QByteArray>& odd = {}) {
        QVERIFY(QDir(dir.path()).mkdir(toQString(program_files::graphicsFolder())));
        for (int code = Empty; code <= Kettle; ++code) {
            QImage image(FieldView::CellWidth, FieldView::CellHeight, QImage::Format_RGB32);
            image.fill(BlockColours[code]);
            if (!odd.contains(code)) QVERIFY(image.save(picture(code), "BMP"));
            if (!odd.value(code).isEmpty()) write(picture(code), odd[code]);
        }
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        form = std::make_unique<EditorWindow>(toPath(dir.path()), std::move(fake));
        if (!polling) form->findChild<QTimer*>(u"keyPollTimer"_s)->stop();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    QString picture(int code) const {
        return path(toQString(program_files::graphicsFolder() / BlockPictureFiles[static_cast<std::size_t>(code)]));
    }
    QString path(const QString& relative) const { return QDir(dir.path()).filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const {
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The 240 cells row by row: the codes the grid holds, and the blocks whose
    // pictures they show (-1 for none).
    QList<int> grid() const {
        QList<int> codes;
        for (int n = 0; n < FieldView::CellCount; ++n)
            codes << form->editorGrid().at(n % FieldColumns, n / FieldColumns);
        return codes;
    }
    QList<int> pictures() const {
        const QImage image = field()->grab().toImage();
        QList<int> codes;
        for (int n = 1; n <= FieldView::CellCount; ++n)
            codes << static_cast<int>(BlockColours.indexOf(image.pixelColor(centre(n))));
        return codes;
    }

    FieldView* field() const { return form->findChild<FieldView*>(u"field"_s); }
    QWindow* window() const { return form->windowHandle(); }
    QAction* action(const QString& name) const { return form->findChild<QAction*>(name); }
    static QPoint centre(int number) {
        return {(number - 1) % FieldColumns * FieldView::CellWidth + FieldView::CellWidth / 2,
                (number - 1) / FieldColumns * FieldView::CellHeight + FieldView::CellHeight / 2};
    }
    QPoint onWindow(int number) const { return field()->mapTo(form.get(), centre(number)); }
    void moveTo(int number) const { QTest::mouseMove(window(), onWindow(number)); }
    void press(Qt::Key key) const { QTest::keyPress(window(), key); }
    void click(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const { QTest::keyClick(window(), key, modifiers); }
    std::pair<int, int> poll() const {
        form->pollKeys();
        return {form->currentBlock(), form->paintKeyHeld()};
    }
    // The digit key of the block, then Space held while the pointer crosses the cells.
    void stroke(Qt::Key digit, const QList<int>& cells) const {
        click(digit);
        press(Qt::Key_Space);
        poll();
        for (const int cell : cells) moveTo(cell);
        QTest::keyRelease(window(), Qt::Key_Space);
        poll();
    }
    void open(const QString& relative) const {
        dialogs->answer = relative.isEmpty() ? QString() : path(relative);
        action(u"openLevel"_s)->trigger();
    }
    void save() const { action(u"saveLevel"_s)->trigger(); }
    void play() const { action(u"playLevel"_s)->trigger(); }
    QString ownLevel(int number) const { return dataHome.filePath(u"orbo/Этажи/Этаж%1.orb"_s.arg(number)); }

    QTemporaryDir dir;
    QTemporaryDir dataHome;
    decltype(setForNow("", "")) dataHomeVariable = setForNow("XDG_DATA_HOME", dataHome.path().toUtf8().constData());
    FakeDialogs* dialogs = nullptr;
    std::unique_ptr<EditorWindow> form;
};

}  // namespace orbo::test

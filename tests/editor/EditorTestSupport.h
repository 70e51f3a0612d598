#pragma once

#include <QColor>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "editor/BlockPictures.h"
#include "editor/EditorDialogs.h"
#include "editor/FieldView.h"
#include "editor/Form1.h"
#include "editor/PathText.h"

namespace orbo::test {

// Records what the window asked of its dialogs and answers the open dialog
// with a prepared file name.
class FakeDialogs final : public EditorDialogs {
public:
    QString chooseFileToOpen(QWidget*, const QString& startFolder, const QString& filter) override {
        ++openDialogs;
        lastStartFolder = startFolder;
        lastFilter = filter;
        return answer;
    }
    void showMessage(QWidget*, const QString& text) override { messages << text; }

    QString answer;
    int openDialogs = 0;
    QString lastStartFolder;
    QString lastFilter;
    QStringList messages;
};

// Each block picture is one plain colour, so a cell's colour tells its picture.
inline QColor blockColour(int code) {
    static const QColor colours[] = {QColor(40, 40, 40),  QColor(200, 30, 30), QColor(30, 160, 30),
                                     QColor(200, 200, 0), QColor(30, 30, 200), QColor(200, 0, 200)};
    return colours[code];
}

// A program folder of its own: the graphics folder with the six pictures
// (or fewer) and, when asked, an empty level folder.
class ProgramFolder {
public:
    explicit ProgramFolder(const QString& graphicsName = QString::fromUtf8(GraphicsFolder)) {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkdir(graphicsName));
        graphics_ = dir_.filePath(graphicsName);
        for (std::size_t code = 0; code < BlockPictureFiles.size(); ++code)
            writePicture(QString::fromUtf8(BlockPictureFiles[code]), blockColour(static_cast<int>(code)));
    }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const { return dir_.filePath(relative); }
    QString graphics() const { return graphics_; }

    void writePicture(const QString& name, const QColor& colour, QSize size = {40, 30}) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(QDir(graphics_).filePath(name), "BMP"));
    }

    void writeFile(const QString& relative, const QByteArray& bytes) const {
        QFile file(dir_.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray readFile(const QString& relative) const {
        QFile file(dir_.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString graphics_;
};

// The real window over a program folder, shown on the offscreen screen. The
// key poll timer is stopped so that a test decides when the keys are read.
struct EditorWindow {
    explicit EditorWindow(const ProgramFolder& folder, bool stopTimer = true) {
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        form = std::make_unique<Form1>(toPath(folder.path()), std::move(fake));
        if (stopTimer) timer1()->stop();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    QTimer* timer1() const { return form->findChild<QTimer*>(QStringLiteral("Timer1")); }
    FieldView* поле() const { return form->findChild<FieldView*>(QStringLiteral("Поле")); }
    QWindow* window() const { return form->windowHandle(); }

    // The centre of a cell in window coordinates, for pointer events.
    QPoint cellCentre(int col, int row) const {
        return поле()->mapTo(form.get(), QPoint(col * FieldView::CellWidth + FieldView::CellWidth / 2,
                                                row * FieldView::CellHeight + FieldView::CellHeight / 2));
    }

    QColor cellColour(int col, int row) const {
        const QImage image = поле()->grab().toImage();
        return image.pixelColor(col * FieldView::CellWidth + FieldView::CellWidth / 2,
                                row * FieldView::CellHeight + FieldView::CellHeight / 2);
    }

    int cellsShowing(const QColor& colour) const {
        const QImage image = поле()->grab().toImage();
        int count = 0;
        for (int row = 0; row < FieldRows; ++row)
            for (int col = 0; col < FieldColumns; ++col)
                if (image.pixelColor(col * FieldView::CellWidth + 20, row * FieldView::CellHeight + 15) == colour)
                    ++count;
        return count;
    }

    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyPress(window(), key, modifiers);
    }
    void releaseKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyRelease(window(), key, modifiers);
    }
    void moveTo(int col, int row) const { QTest::mouseMove(window(), cellCentre(col, row)); }

    FakeDialogs* dialogs = nullptr;
    std::unique_ptr<Form1> form;
};

}  // namespace orbo::test

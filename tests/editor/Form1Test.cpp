// The editor window as it opens: its look, its cells and their pictures.
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "tests/editor/EditorTestSupport.h"

namespace orbo::test {

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void windowIsFixedWithTitleAndNoMinimiseOrMaximise() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        const Form1& form = *editor.form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Редактор карт для ОРБО"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(form.centralWidget()->size(), QSize(640, 533));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.height(), form.menuBar()->height() + 533);
        QVERIFY(editor.dialogs->messages.isEmpty());
    }

    void fileMenuHoldsTheFourItemsWithoutShortcuts() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        const QList<QAction*> menus = editor.form->menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Файл"));
        const QList<QAction*> items = menus[0]->menu()->actions();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[0]->text(), QStringLiteral("Открыть Игру"));
        QCOMPARE(items[1]->text(), QStringLiteral("Сохранить Игру"));
        QVERIFY(items[2]->isSeparator());
        QCOMPARE(items[3]->text(), QStringLiteral("Выход"));
        for (const QAction* item : items) QVERIFY(item->shortcut().isEmpty());
    }

    void paletteLabelAndLineLookAsDesigned() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        auto* list1 = editor.form->findChild<QListWidget*>(QStringLiteral("List1"));
        QVERIFY(list1);
        QCOMPARE(list1->geometry(), QRect(5, 463, 125, 54));
        QStringList entries;
        for (int i = 0; i < list1->count(); ++i) entries << list1->item(i)->text();
        QCOMPARE(entries, QStringList({"1-Пусто", "2-Кирпичи", "3-Зелень", "4-Лестница", "5-Перекладина", "6-Чайник"}));

        auto* label1 = editor.form->findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label1);
        QCOMPARE(label1->geometry(), QRect(155, 461, 169, 29));
        QCOMPARE(label1->text(), QStringLiteral("Пробел-рисовать") + QString(18, u' ') +
                                     QStringLiteral("1.,2,3,4,5,6 -Выбор блоков."));

        const QImage client = editor.form->centralWidget()->grab().toImage();
        for (const int x : {2, 320, 638}) {
            QCOMPARE(client.pixelColor(x, 452), QColor(Qt::red));
            QCOMPARE(client.pixelColor(x, 450), QColor(Qt::black));
            QCOMPARE(client.pixelColor(x, 455), QColor(Qt::black));
        }
        // The line starts at x 1.
        QCOMPARE(client.pixelColor(0, 452), QColor(Qt::black));
        QCOMPARE(client.pixelColor(400, 520), QColor(Qt::black));

        // Green text on black: both colours and nothing of the default light look.
        for (QWidget* widget : {static_cast<QWidget*>(list1), static_cast<QWidget*>(label1)}) {
            const QImage image = widget->grab().toImage();
            int green = 0;
            int black = 0;
            int light = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.green() > 150 && c.red() < 100 && c.blue() < 100) ++green;
                    if (c == Qt::black) ++black;
                    if (c.lightness() > 200) ++light;
                }
            }
            QVERIFY2(green > 20, qPrintable(widget->objectName()));
            QVERIFY2(black > image.width() * image.height() / 2, qPrintable(widget->objectName()));
            QVERIFY2(light < image.width() * image.height() / 10, qPrintable(widget->objectName()));
        }
    }

    void startsEmptyWithEveryCellShowingTheEmptyPicture() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        QCOMPARE(editor.cellsShowing(blockColour(Empty)), 240);
        for (int row = 0; row < FieldRows; ++row)
            for (int col = 0; col < FieldColumns; ++col) QCOMPARE(editor.form->editorGrid().at(col, row), Empty);
        QCOMPARE(editor.form->currentBlock(), Empty);
        QCOMPARE(editor.form->paintKeyHeld(), 0);
        const QImage field = editor.поле()->grab().toImage();
        QCOMPARE(field.size(), QSize(640, 450));
        QCOMPARE(editor.поле()->pos(), QPoint(0, 0));
    }

    void codesOutsideTheBlocksLeaveThePictureAsItWas() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        editor.form->ПоменятьКартинку(20, Kettle);
        for (const int code : {6, 7, 9, -1, 1000}) editor.form->ПоменятьКартинку(20, code);
        QCOMPARE(editor.cellColour(3, 1), blockColour(Kettle));
        // The picture alone changes, never the grid.
        QCOMPARE(editor.form->editorGrid().at(3, 1), Empty);
        for (const int number : {0, 241, -5}) editor.form->ПоменятьКартинку(number, Brick);
        QCOMPARE(editor.cellsShowing(blockColour(Brick)), 0);
    }

    void picturesAreFoundWhateverTheLetterCaseAndFillTheirCell() {
        ProgramFolder folder(QStringLiteral("ГРАФИКА"));
        QVERIFY(QFile::remove(QDir(folder.graphics()).filePath(QStringLiteral("Кирпичиsm.bmp"))));
        folder.writePicture(QStringLiteral("КИРПИЧИSM.BMP"), blockColour(Brick), QSize(64, 50));
        EditorWindow editor(folder);
        QVERIFY(editor.dialogs->messages.isEmpty());
        editor.form->ПоменятьКартинку(2, Brick);
        const QImage field = editor.поле()->grab().toImage();
        QCOMPARE(field.pixelColor(40, 0), blockColour(Brick));
        QCOMPARE(field.pixelColor(79, 29), blockColour(Brick));
        // The larger picture is fitted to its cell, not spilled over the next.
        QCOMPARE(field.pixelColor(80, 29), blockColour(Empty));
    }

    void aMissingPictureIsNamedAndItsBlockDrawnBlack() {
        ProgramFolder folder;
        const QString turf = QDir(folder.graphics()).filePath(QStringLiteral("Зелень.bmp"));
        QVERIFY(QFile::remove(turf));
        folder.writeFile(QStringLiteral("графика/Лестница.bmp"), "not a picture");
        EditorWindow editor(folder);
        QCOMPARE(editor.dialogs->messages,
                 QStringList({QStringLiteral("Фаил не найден ") + turf,
                              QStringLiteral("Фаил не найден ") +
                                  QDir(folder.graphics()).filePath(QStringLiteral("Лестница.bmp"))}));
        editor.form->ПоменятьКартинку(1, Turf);
        editor.form->ПоменятьКартинку(2, Ladder);
        editor.form->ПоменятьКартинку(3, Bar);
        QCOMPARE(editor.cellColour(0, 0), QColor(Qt::black));
        QCOMPARE(editor.cellColour(1, 0), QColor(Qt::black));
        QCOMPARE(editor.cellColour(2, 0), blockColour(Bar));
    }

    void exitClosesTheWindowAtOnce() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        auto* exit = editor.form->findChild<QAction*>(QStringLiteral("Выход"));
        QVERIFY(exit);
        exit->trigger();
        QVERIFY(!editor.form->isVisible());
        QVERIFY(editor.dialogs->messages.isEmpty());
        QCOMPARE(editor.dialogs->openDialogs, 0);
    }
};

}  // namespace orbo::test

QTEST_MAIN(orbo::test::Form1Test)
#include "Form1Test.moc"

// Painting: every pointer movement over a cell while Space is held puts the
// chosen block there; nothing else paints.
#include <QListWidget>
#include <QtTest>

#include "tests/editor/EditorTestSupport.h"

namespace orbo::test {

class PaintingTest : public QObject {
    Q_OBJECT

    static void choose(EditorWindow& editor, Qt::Key digit) {
        editor.pressKey(digit);
        editor.releaseKey(digit);
    }

private slots:
    void movingWithSpaceHeldPaintsEachCellCrossed() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        choose(editor, Qt::Key_3);
        editor.pressKey(Qt::Key_Space);
        editor.form->pollKeys();
        for (int col = 2; col <= 5; ++col) editor.moveTo(col, 7);
        for (int col = 2; col <= 5; ++col) {
            QCOMPARE(editor.form->editorGrid().at(col, 7), Turf);
            QCOMPARE(editor.cellColour(col, 7), blockColour(Turf));
        }
        QCOMPARE(editor.cellsShowing(blockColour(Turf)), 4);

        // The block changes at the next poll; cells crossed before keep theirs.
        choose(editor, Qt::Key_6);
        editor.form->pollKeys();
        editor.moveTo(5, 8);
        QCOMPARE(editor.form->editorGrid().at(5, 8), Kettle);
        QCOMPARE(editor.form->editorGrid().at(5, 7), Turf);
        QCOMPARE(editor.cellColour(5, 8), blockColour(Kettle));
    }

    void cellNumbersMapToTheirColumnAndRow_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("cell 1") << 0 << 0;
        QTest::newRow("cell 16") << 15 << 0;
        QTest::newRow("cell 17") << 0 << 1;
        QTest::newRow("cell 240") << 15 << 14;
    }

    void cellNumbersMapToTheirColumnAndRow() {
        QFETCH(int, col);
        QFETCH(int, row);
        ProgramFolder folder;
        EditorWindow editor(folder);
        choose(editor, Qt::Key_2);
        editor.pressKey(Qt::Key_Space);
        editor.form->pollKeys();
        editor.moveTo(col, row);
        for (int r = 0; r < FieldRows; ++r)
            for (int c = 0; c < FieldColumns; ++c)
                QCOMPARE(editor.form->editorGrid().at(c, r), (c == col && r == row) ? Brick : Empty);
        QCOMPARE(editor.cellColour(col, row), blockColour(Brick));
        QCOMPARE(editor.cellsShowing(blockColour(Brick)), 1);
    }

    void withoutSpaceOrWithoutMovementNothingIsPainted() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        choose(editor, Qt::Key_5);
        editor.form->pollKeys();
        for (int col = 0; col < 6; ++col) editor.moveTo(col, 3);
        QCOMPARE(editor.cellsShowing(blockColour(Empty)), 240);

        // Space held but the pointer at rest, then a click where it rests.
        editor.pressKey(Qt::Key_Space);
        for (int i = 0; i < 5; ++i) editor.form->pollKeys();
        QTest::mouseClick(editor.window(), Qt::LeftButton, Qt::NoModifier, editor.cellCentre(5, 3));
        QCOMPARE(editor.form->editorGrid().at(5, 3), Empty);
        QCOMPARE(editor.cellsShowing(blockColour(Empty)), 240);

        // Painting follows the most recent poll, not the key itself.
        editor.releaseKey(Qt::Key_Space);
        editor.moveTo(6, 3);
        QCOMPARE(editor.form->editorGrid().at(6, 3), Bar);
        editor.form->pollKeys();
        editor.moveTo(7, 3);
        QCOMPARE(editor.form->editorGrid().at(7, 3), Empty);
    }

    void aHeldMouseButtonNeitherHelpsNorHinders() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        choose(editor, Qt::Key_4);
        editor.form->pollKeys();
        editor.moveTo(1, 1);
        QTest::mousePress(editor.window(), Qt::LeftButton, Qt::NoModifier, editor.cellCentre(1, 1));
        editor.moveTo(2, 1);
        QCOMPARE(editor.form->editorGrid().at(2, 1), Empty);

        editor.pressKey(Qt::Key_Space);
        editor.form->pollKeys();
        editor.moveTo(3, 1);
        editor.moveTo(3, 2);
        QCOMPARE(editor.form->editorGrid().at(3, 1), Ladder);
        QCOMPARE(editor.form->editorGrid().at(3, 2), Ladder);
        QCOMPARE(editor.cellColour(3, 2), blockColour(Ladder));

        // Dragged off the grid onto the palette, the pointer paints nothing.
        const auto* list1 = editor.form->findChild<QListWidget*>(QStringLiteral("List1"));
        QTest::mouseMove(editor.window(), list1->mapTo(editor.form.get(), QPoint(20, 20)));
        QTest::mouseRelease(editor.window(), Qt::LeftButton, Qt::NoModifier,
                            list1->mapTo(editor.form.get(), QPoint(20, 20)));
        QCOMPARE(editor.cellsShowing(blockColour(Ladder)), 2);
    }

    void movementOutsideTheCellsPaintsNothing() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        choose(editor, Qt::Key_2);
        editor.pressKey(Qt::Key_Space);
        editor.form->pollKeys();
        QWidget* client = editor.form->centralWidget();
        for (const QPoint point : {QPoint(320, 452), QPoint(10, 480), QPoint(200, 470), QPoint(600, 500)})
            QTest::mouseMove(editor.window(), client->mapTo(editor.form.get(), point));
        QCOMPARE(editor.cellsShowing(blockColour(Empty)), 240);
        for (int r = 0; r < FieldRows; ++r)
            for (int c = 0; c < FieldColumns; ++c) QCOMPARE(editor.form->editorGrid().at(c, r), Empty);

        QCOMPARE(FieldView::cellAt(QPoint(639, 449)), 240);
        QCOMPARE(FieldView::cellAt(QPoint(640, 10)), 0);
        QCOMPARE(FieldView::cellAt(QPoint(10, 450)), 0);
        QCOMPARE(FieldView::cellAt(QPoint(-1, 10)), 0);
    }
};

}  // namespace orbo::test

QTEST_MAIN(orbo::test::PaintingTest)
#include "PaintingTest.moc"

// The key poll: which keys choose the block and arm painting, read from an
// application-wide tracker whatever has the focus.
#include <QKeyEvent>
#include <QListWidget>
#include <QtTest>

#include "editor/KeyTracker.h"
#include "tests/editor/EditorTestSupport.h"

namespace orbo::test {

class KeyPollTest : public QObject {
    Q_OBJECT
private slots:
    void digitsOneToSixChooseTheBlockAndTheHighestHeldWins() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        Form1& form = *editor.form;

        editor.pressKey(Qt::Key_4);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Ladder);
        editor.pressKey(Qt::Key_1);
        editor.pressKey(Qt::Key_6);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Kettle);
        editor.releaseKey(Qt::Key_6);
        editor.releaseKey(Qt::Key_4);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Empty);
        // The choice stays after every key is let go.
        editor.releaseKey(Qt::Key_1);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Empty);
        QCOMPARE(form.paintKeyHeld(), 0);
    }

    void otherKeysAndMouseButtonsChangeNothing() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        Form1& form = *editor.form;
        editor.pressKey(Qt::Key_3);
        editor.releaseKey(Qt::Key_3);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Turf);

        for (const Qt::Key digit : {Qt::Key_1, Qt::Key_5, Qt::Key_6}) editor.pressKey(digit, Qt::KeypadModifier);
        for (const Qt::Key other : {Qt::Key_0, Qt::Key_7, Qt::Key_9, Qt::Key_A, Qt::Key_Z, Qt::Key_Exclam})
            editor.pressKey(other);
        const QPoint onGrid = editor.cellCentre(4, 4);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            QTest::mousePress(editor.window(), button, Qt::NoModifier, onGrid);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Turf);
        QCOMPARE(form.paintKeyHeld(), 0);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            QTest::mouseRelease(editor.window(), button, Qt::NoModifier, onGrid);
    }

    void aKeyPressedAndReleasedBetweenTwoPollsCountsOnce() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        Form1& form = *editor.form;
        editor.pressKey(Qt::Key_5);
        editor.releaseKey(Qt::Key_5);
        editor.pressKey(Qt::Key_Space);
        editor.releaseKey(Qt::Key_Space);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Bar);
        QCOMPARE(form.paintKeyHeld(), 1);
        form.pollKeys();
        QCOMPARE(form.paintKeyHeld(), 0);

        // A later, lower digit held down is not outvoted by the press already read.
        editor.pressKey(Qt::Key_2);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Brick);
    }

    void keysCountWhicheverControlHasTheFocus() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        Form1& form = *editor.form;
        auto* list1 = form.findChild<QListWidget*>(QStringLiteral("List1"));
        list1->setFocus();
        editor.pressKey(Qt::Key_4);
        editor.pressKey(Qt::Key_Space);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Ladder);
        QCOMPARE(form.paintKeyHeld(), 1);
        // Straight to a control that never takes the focus, and to the grid.
        QTest::keyPress(form.findChild<QLabel*>(QStringLiteral("Label1")), Qt::Key_6);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Kettle);
        QTest::keyRelease(form.findChild<QLabel*>(QStringLiteral("Label1")), Qt::Key_6);
        QTest::keyPress(editor.поле(), Qt::Key_3);
        editor.releaseKey(Qt::Key_4);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Turf);
    }

    void autoRepeatDoesNotLetAHeldKeyGo() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        Form1& form = *editor.form;
        editor.pressKey(Qt::Key_Space);
        form.pollKeys();
        // Held keys repeat as release and press pairs.
        for (int i = 0; i < 3; ++i) {
            QTest::simulateEvent(editor.window(), false, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            form.pollKeys();
            QCOMPARE(form.paintKeyHeld(), 1);
            QTest::simulateEvent(editor.window(), true, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            form.pollKeys();
            QCOMPARE(form.paintKeyHeld(), 1);
        }
        editor.releaseKey(Qt::Key_Space);
        form.pollKeys();
        QCOMPARE(form.paintKeyHeld(), 0);
    }

    void aKeyReleasedUnderAnotherMeaningIsReleased() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        Form1& form = *editor.form;
        // The key "1" goes down, Shift follows, and the key comes up as "!".
        const quint32 scanCodeOfOne = 10;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, scanCodeOfOne, 0x31, 0, QStringLiteral("1"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Exclam, Qt::ShiftModifier, scanCodeOfOne, 0x21, 0,
                          QStringLiteral("!"));
        QCoreApplication::sendEvent(editor.поле(), &press);
        QCoreApplication::sendEvent(editor.поле(), &release);
        editor.pressKey(Qt::Key_3);
        editor.releaseKey(Qt::Key_3);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Turf);
        form.pollKeys();
        QCOMPARE(form.currentBlock(), Turf);
    }

    void keysHeldWhenTheProgramLosesTheFocusAreLetGo() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        Form1& form = *editor.form;
        editor.pressKey(Qt::Key_Space);
        QApplicationStateChangeEvent deactivate(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(qApp, &deactivate);
        // The press itself is still reported once, as a press since the last poll.
        form.pollKeys();
        QCOMPARE(form.paintKeyHeld(), 1);
        form.pollKeys();
        QCOMPARE(form.paintKeyHeld(), 0);
    }

    void trackerReportsMouseButtonsAndKeypadDigitsUnderTheirOwnCodes() {
        KeyTracker tracker;
        qApp->installEventFilter(&tracker);
        QWidget target;
        QTest::mousePress(&target, Qt::RightButton);
        QVERIFY(tracker.query(2));
        QVERIFY(!tracker.query(1));
        QTest::mouseRelease(&target, Qt::RightButton);
        QVERIFY(!tracker.query(2));
        QTest::keyClick(&target, Qt::Key_7, Qt::KeypadModifier);
        QVERIFY(tracker.query(96 + 7));
        QVERIFY(!tracker.query('7'));
        QTest::keyClick(&target, Qt::Key_Q);
        QVERIFY(tracker.query('Q'));
        QVERIFY(!tracker.query('Q'));
        QVERIFY(!tracker.query(-1));
        QVERIFY(!tracker.query(256));
    }

    void timer1PollsEveryMillisecondFromStartUp() {
        ProgramFolder folder;
        EditorWindow editor(folder, false);
        QCOMPARE(editor.timer1()->interval(), 1);
        QVERIFY(editor.timer1()->isActive());
        editor.pressKey(Qt::Key_2);
        editor.releaseKey(Qt::Key_2);
        QTRY_COMPARE(editor.form->currentBlock(), Brick);
        editor.pressKey(Qt::Key_Space);
        QTRY_COMPARE(editor.form->paintKeyHeld(), 1);
        editor.releaseKey(Qt::Key_Space);
        QTRY_COMPARE(editor.form->paintKeyHeld(), 0);
    }
};

}  // namespace orbo::test

QTEST_MAIN(orbo::test::KeyPollTest)
#include "KeyPollTest.moc"

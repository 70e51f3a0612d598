// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window driven as a user would: its look, the keys, painting and
// taking strokes back, and the level check under the grid.
#include "tests/editor/EditorFixture.h"

namespace orbo::test {
namespace {

using Poll = std::pair<int, int>;  // the chosen block and whether Space armed painting

// A level of the rows given, and the other rows all alike.
QByteArray levelOf(const QMap<int, QByteArray>& rows, const QByteArray& others = "0000000000000000") {
    QByteArray bytes;
    for (int row = 0; row < FieldRows; ++row) bytes += rows.value(row, others) + "\r\n";
    return bytes;
}

}  // namespace

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    // Three pictures fail three ways: one message names each for what went wrong, and they are drawn black.
    void windowShowsItsTextsAndTheKnownPictures() {
        // The information header of a BMP of 16384 x 16384 pixels, and no pixels.
        QByteArray huge("BM", 2);
        huge.append(12, '\0').append("\x28\0\0\0\0\x40\0\0\0\x40\0\0\1\0\x20\0", 16).append(88, '\0');
        Editor editor(false, {{Brick, {}}, {Turf, "not a picture"}, {Ladder, huge}});
        EditorWindow& form = *editor.form;
        QCOMPARE(form.windowTitle(), u"Редактор карт для ОРБО"_s);
        QCOMPARE(form.centralWidget()->size(), QSize(640, 533));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!form.windowFlags().testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        QStringList texts = {form.menuBar()->actions()[0]->text()};
        for (const QAction* menu : form.menuBar()->actions())
            for (const QAction* item : menu->menu()->actions()) texts << item->text();
        QCOMPARE(texts, QStringList({u"&Файл"_s, u"Открыть Игру"_s, u"Сохранить Игру"_s, u"Играть"_s, QString(),
                                     u"Выход"_s, u"Отменить"_s, u"Повторить"_s, QString(), u"Сетка и старты"_s}));
        const auto* blockList = form.findChild<QListWidget*>(u"blockList"_s);
        texts.clear();
        for (int i = 0; i < blockList->count(); ++i) texts << blockList->item(i)->text();
        QCOMPARE(texts, QStringList({u"1-Пусто"_s, u"2-Кирпичи"_s, u"3-Зелень"_s, u"4-Лестница"_s, u"5-Перекладина"_s,
                                     u"6-Чайник"_s}));
        QCOMPARE(form.findChild<QLabel*>(u"keyHelp"_s)->text(),
                 u"Пробел-рисовать"_s + QString(18, u' ') + u"1.,2,3,4,5,6 -Выбор блоков."_s);
        // A red line under the grid, on black.
        const QImage client = form.centralWidget()->grab().toImage();
        QCOMPARE(client.pixelColor(320, 452), QColor(Qt::red));
        QCOMPARE(client.pixelColor(320, 456), QColor(Qt::black));
        QCOMPARE(editor.dialogs->messages,
                 QStringList(u"Фаил не найден "_s + editor.picture(Brick) + u"\nНе удаётся прочитать файл "_s +
                             editor.picture(Turf) + u"\nРисунок больше экрана "_s + editor.picture(Ladder)));
        QCOMPARE(editor.pictures(), QList<int>(240, Empty));

        form.showBlock(1, Turf);
        form.showBlock(20, Kettle);
        for (const int code : {6, 9, -1, 1000}) form.showBlock(20, code);
        for (const int number : {0, 241}) form.showBlock(number, Kettle);
        QList<int> shown(240, Empty);
        shown[0] = -1;
        shown[19] = Kettle;
        QCOMPARE(editor.pictures(), shown);
        // The picture alone changes, never the grid.
        QCOMPARE(editor.grid(), QList<int>(240, Empty));
        editor.action(u"exit"_s)->trigger();
        QVERIFY(!form.isVisible());
    }

    void keyPollChoosesTheHighestDigitAndArmsPainting() {
        Editor editor;
        // A key pressed and released between two polls counts, once.
        editor.click(Qt::Key_5);
        editor.click(Qt::Key_Space);
        QCOMPARE(editor.poll(), Poll(Bar, 1));
        QCOMPARE(editor.poll(), Poll(Bar, 0));
        editor.press(Qt::Key_2);
        editor.press(Qt::Key_4);
        QCOMPARE(editor.poll(), Poll(Ladder, 0));
        // The higher key's press, already read, does not outvote the lower key still held.
        QTest::keyRelease(editor.window(), Qt::Key_4);
        QCOMPARE(editor.poll(), Poll(Brick, 0));
        QTest::keyRelease(editor.window(), Qt::Key_2);
        QTest::keyClick(editor.window(), Qt::Key_6, Qt::KeypadModifier);
        for (const Qt::Key other : {Qt::Key_0, Qt::Key_7, Qt::Key_9, Qt::Key_A, Qt::Key_Z}) editor.click(other);
        QCOMPARE(editor.poll(), Poll(Brick, 0));
        // Whichever control has the focus.
        editor.form->findChild<QListWidget*>(u"blockList"_s)->setFocus();
        editor.click(Qt::Key_3);
        QCOMPARE(editor.poll(), Poll(Turf, 0));
    }

    void aKeyStaysDownUntilItIsReallyReleased() {
        Editor editor;
        editor.press(Qt::Key_Space);
        editor.poll();
        // A held key repeats as release and press pairs.
        QTest::simulateEvent(editor.window(), false, Qt::Key_Space, Qt::NoModifier, u" "_s, true);
        QCOMPARE(editor.poll(), Poll(Empty, 1));
        // "1" goes down and comes up as "!" because Shift went down in between.
        QKeyEvent one(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, 10, 0x31, 0, u"1"_s);
        QKeyEvent exclam(QEvent::KeyRelease, Qt::Key_Exclam, Qt::ShiftModifier, 10, 0x21, 0, u"!"_s);
        QCoreApplication::sendEvent(editor.field(), &one);
        QCoreApplication::sendEvent(editor.field(), &exclam);
        editor.click(Qt::Key_3);
        editor.poll();
        QCOMPARE(editor.poll(), Poll(Turf, 1));
        // Releases made while another program is active never arrive.
        QApplicationStateChangeEvent deactivate(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(qApp, &deactivate);
        QCOMPARE(editor.poll(), Poll(Turf, 0));
    }

    void theTimerPollsFromStartUpAndRestsWhileNoKeyIsActive() {
        Editor editor(true);
        const auto* timer = editor.form->findChild<QTimer*>(u"keyPollTimer"_s);
        QTRY_VERIFY(timer->interval() > 1);
        // A key going down wakes the poll at once; it polls every millisecond while the key is down.
        editor.press(Qt::Key_2);
        QCOMPARE(timer->interval(), 1);
        QTRY_COMPARE(editor.form->currentBlock(), Brick);
        QCOMPARE(timer->interval(), 1);
        QTest::keyRelease(editor.window(), Qt::Key_2);
        QTRY_VERIFY(timer->interval() > 1);
        QVERIFY(timer->isActive());
    }

    void onlyMovementWithSpaceHeldPaints() {
        Editor editor;
        editor.click(Qt::Key_4);
        editor.poll();
        // Without Space a drag paints nothing; with it, neither does a click at rest.
        QTest::mousePress(editor.window(), Qt::LeftButton, {}, editor.onWindow(2));
        editor.moveTo(3);
        QTest::mouseRelease(editor.window(), Qt::LeftButton, {}, editor.onWindow(3));
        editor.press(Qt::Key_Space);
        editor.poll();
        QTest::mouseClick(editor.window(), Qt::LeftButton, {}, editor.onWindow(3));
        // Every move over a cell paints it, with a button held or not.
        for (const int number : {1, 16, 17}) editor.moveTo(number);
        QTest::mousePress(editor.window(), Qt::RightButton, {}, editor.onWindow(17));
        // Dragged off the grid, below it and onto the menu bar, the pointer paints nothing.
        QTest::mouseMove(editor.window(), editor.field()->mapTo(editor.form.get(), QPoint(50, 460)));
        QTest::mouseMove(editor.window(), editor.field()->mapTo(editor.form.get(), QPoint(100, -5)));
        editor.moveTo(240);
        QTest::mouseRelease(editor.window(), Qt::RightButton, {}, editor.onWindow(240));
        QTest::keyRelease(editor.window(), Qt::Key_Space);
        editor.poll();
        editor.moveTo(200);
        QList<int> painted(240, Empty);
        painted[0] = painted[15] = painted[16] = painted[239] = Ladder;
        QCOMPARE(editor.grid(), painted);
        QCOMPARE(editor.pictures(), painted);
    }

    void theBlockListShowsTheChosenBlockOnly() {
        Editor editor;
        auto* list = editor.form->findChild<QListWidget*>(u"blockList"_s);
        const auto shown = [list] {
            const QList<QListWidgetItem*> selected = list->selectedItems();
            return selected.size() == 1 && list->currentItem() == selected.first() ? list->row(selected.first()) : -1;
        };
        QCOMPARE(shown(), Empty);
        editor.click(Qt::Key_4);
        editor.poll();
        QCOMPARE(shown(), Ladder);
        // A click on another row in sight, the Tab key and the arrows change nothing there.
        int other = 0;
        while (other == Ladder || !list->viewport()->rect().contains(list->visualItemRect(list->item(other)).center()))
            ++other;
        QTest::mouseClick(editor.window(), Qt::LeftButton, {},
                          list->viewport()->mapTo(editor.form.get(), list->visualItemRect(list->item(other)).center()));
        QCOMPARE(shown(), Ladder);
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Up}) editor.click(key);
        editor.poll();
        QCOMPARE(shown(), Ladder);
        QVERIFY(!list->hasFocus());
        editor.click(Qt::Key_6);
        editor.poll();
        QCOMPARE(shown(), Kettle);
    }

    // Every command has its key, and the file menu opens from the keyboard on any layout.
    void theKeysReachTheCommands() {
        Editor editor;
        editor.click(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(editor.dialogs->asked.size(), 2);
        editor.click(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(editor.dialogs->messages, QStringList(u"Этаж сохранен, под именем "_s + editor.ownLevel(0)));
        QCOMPARE(editor.action(u"playLevel"_s)->shortcut(), QKeySequence(Qt::Key_F5));
        const auto* fileMenu = editor.form->findChild<QMenu*>(u"fileMenu"_s);
        const std::tuple<Qt::Key, QString, Qt::KeyboardModifier> menuKeys[] = {
            {Qt::Key_F10, QString(), Qt::NoModifier},
            {Qt::Key_F, u"f"_s, Qt::AltModifier},
            {Qt::Key(u'Ф'), u"ф"_s, Qt::AltModifier}};
        for (const auto& [key, text, modifier] : menuKeys) {
            QTest::sendKeyEvent(QTest::Click, editor.window(), key, text, modifier);
            QTRY_COMPARE(QApplication::activePopupWidget(), fileMenu);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QTest::keyClick(editor.form->menuBar(), Qt::Key_Escape);
        }
        // G shows and hides the outlines over the pictures: a cell's edge shows its block only without them.
        const auto edge = [&] {
            return editor.field()->grab().toImage().pixelColor(FieldView::CellWidth, 5 * 30 + 15);
        };
        QVERIFY(edge() != BlockColours[Empty]);
        editor.click(Qt::Key_G);
        QCOMPARE(edge(), BlockColours[Empty]);
        editor.click(Qt::Key_G);
        QVERIFY(edge() != BlockColours[Empty]);
    }

    // Undo takes back one stroke at a time, redo puts it back, and opening a level starts afresh.
    void undoTakesBackAWholeStroke() {
        Editor editor;
        editor.stroke(Qt::Key_2, {1, 2, 3});
        editor.stroke(Qt::Key_3, {3, 4, 3});
        QList<int> bricks(240, Empty);
        bricks[0] = bricks[1] = bricks[2] = Brick;
        QList<int> both = bricks;
        both[2] = both[3] = Turf;
        const QList<std::pair<QKeySequence, QList<int>>> steps = {{QKeySequence::Undo, bricks},
                                                                  {QKeySequence(u"Ctrl+Z"_s), QList<int>(240, Empty)},
                                                                  {QKeySequence(u"Ctrl+Shift+Z"_s), bricks},
                                                                  {QKeySequence(u"Ctrl+Y"_s), both},
                                                                  {QKeySequence(u"Ctrl+Y"_s), both}};
        for (const auto& [keys, shown] : steps) {
            QTest::keySequence(editor.window(), keys);
            QCOMPARE(editor.grid(), shown);
            QCOMPARE(editor.pictures(), shown);
        }
        // One step more than the history holds: the first stroke can no longer be taken back.
        for (int stroke = 0; stroke < HistorySteps; ++stroke) editor.stroke(stroke % 2 ? Qt::Key_2 : Qt::Key_5, {5, 6});
        int undone = 0;
        for (; editor.action(u"undo"_s)->isEnabled(); ++undone) QTest::keySequence(editor.window(), QKeySequence::Undo);
        QCOMPARE(undone, HistorySteps);
        QCOMPARE(editor.grid(), both);
        editor.write(u"level.orb"_s, rowsOf("1", 15));
        editor.open(u"level.orb"_s);
        QVERIFY(!editor.action(u"undo"_s)->isEnabled() && !editor.action(u"redo"_s)->isEnabled());
    }

    void theCheckLineJudgesTheLevelAsItStands_data() {
        QTest::addColumn<QByteArray>("level");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("fair");
        QTest::addColumn<int>("marked");  // the cell framed as out of reach, or 0
        // The cops go the long way round: over a brick shelf and down the ladder at its far end.
        QMap<int, QByteArray> longWay = {{0, "0000000000000000"}, {1, "1111111111111113"}, {14, "0050000000000003"}};
        QTest::newRow("fair") << levelOf(longWay, "0000000000000003")
                              << u"Все чайники достижимы (1); копы у старта героя через 13,8 с."_s << true << 0;
        longWay.insert(7, "0000000050000003");
        QTest::newRow("kettle out of reach")
            << levelOf(longWay, "0000000000000003")
            << u"Недостижимых чайников: 1 из 2; копы у старта героя через 13,8 с."_s << false << 121;
        QTest::newRow("cop rush") << levelOf({{1, "1011111111111111"}, {14, "0000000000000050"}})
                                  << u"Все чайники достижимы (1); копы у старта героя через 2,8 с: это быстрее 5,0 с."_s
                                  << false << 0;
        QTest::newRow("blocked start") << levelOf({{2, "0700000000000000"}, {14, "0100000000000000"}})
                                       << u"Старт героя занят; клеток с кодом больше 5: 1; нет ни одного чайника."_s
                                       << false << 0;
    }

    void theCheckLineJudgesTheLevelAsItStands() {
        QFETCH(QByteArray, level);
        QFETCH(QString, said);
        QFETCH(bool, fair);
        QFETCH(int, marked);
        Editor editor;
        editor.write(u"level.orb"_s, level);
        editor.open(u"level.orb"_s);
        const auto* line = editor.form->findChild<QLabel*>(u"checkLine"_s);
        QTRY_COMPARE(line->text(), said);
        QCOMPARE(line->palette().color(QPalette::WindowText), fair ? QColor(Qt::green) : QColor(0xFF, 0xE0, 0x00));
        // A red frame around the kettle out of reach, just inside its cell.
        const QImage field = editor.field()->grab().toImage();
        for (int cell = 1; cell <= FieldView::CellCount; ++cell) {
            const QColor frame = field.pixelColor(Editor::centre(cell) - QPoint(FieldView::CellWidth / 2 - 1, 0));
            QCOMPARE(frame == QColor(0xFF, 0x20, 0x20), cell == marked);
        }
    }
};

}  // namespace orbo::test

QTEST_MAIN(orbo::test::EditorTest)
#include "EditorTest.moc"

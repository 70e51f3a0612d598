// The editor window driven as a user would: its look, the key poll, painting,
// the level files in and out of the grid, and trying the level in the game.
#include <sys/resource.h>
#include <QtTest>
#include <QtWidgets>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "common/ProgramFiles.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorWindow.h"
#include "editor/FieldView.h"
#include "editor/PathText.h"
#include "editor/UserLevelFolder.h"
#include "qtcommon/RussianQtTexts.h"
#include "tests/support/Pictures.h"

using namespace Qt::StringLiterals;

namespace orbo::test {
namespace {

// Each block picture is one plain colour, so a cell's colour tells its block.
const QList<QColor> BlockColours = {QColor(40, 40, 40),  QColor(200, 30, 30), QColor(30, 160, 30),
                                    QColor(200, 200, 0), QColor(30, 30, 200), QColor(200, 0, 200)};

using Poll = std::pair<int, int>;  // the chosen block and whether Space armed painting

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

QByteArray rowsOf(const QByteArray& row, int count) { return (row + "\r\n").repeated(count); }

// Sets an environment variable for as long as it lives; null: unset.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value)
        : name_(name), old_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~ScopedVariable() {
        if (wasSet_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool wasSet_;
};

// The real window over a program folder of its own, shown offscreen, with a
// data folder of its own for the player's saves. The key poll timer is stopped
// unless asked for, so that a test decides when keys are read.
struct Editor {
    explicit Editor(bool polling = false, const char* missingPicture = "") {
        QVERIFY(QDir(dir.path()).mkdir(toQString(program_files::graphicsFolder())));
        for (std::size_t code = 0; code < BlockPictureFiles.size(); ++code) {
            QImage image(FieldView::CellWidth, FieldView::CellHeight, QImage::Format_RGB32);
            image.fill(BlockColours[static_cast<int>(code)]);
            if (qstrcmp(BlockPictureFiles[code], missingPicture) != 0)
                QVERIFY(image.save(path(toQString(program_files::graphicsFolder() / BlockPictureFiles[code])), "BMP"));
        }
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        form = std::make_unique<EditorWindow>(toPath(dir.path()), std::move(fake));
        if (!polling) form->findChild<QTimer*>(u"keyPollTimer"_s)->stop();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    QString path(const QString& relative) const { return dir.filePath(relative); }
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
    static QPoint centre(int number) {
        return {(number - 1) % FieldColumns * FieldView::CellWidth + FieldView::CellWidth / 2,
                (number - 1) / FieldColumns * FieldView::CellHeight + FieldView::CellHeight / 2};
    }
    QPoint onWindow(int number) const { return field()->mapTo(form.get(), centre(number)); }
    void moveTo(int number) const { QTest::mouseMove(window(), onWindow(number)); }
    void press(Qt::Key key) const { QTest::keyPress(window(), key); }
    void click(Qt::Key key) const { QTest::keyClick(window(), key); }
    Poll poll() const {
        form->pollKeys();
        return {form->currentBlock(), form->paintKeyHeld()};
    }
    void open(const QString& relative) const {
        dialogs->answer = relative.isEmpty() ? QString() : path(relative);
        form->findChild<QAction*>(u"openLevel"_s)->trigger();
    }
    void save() const { form->findChild<QAction*>(u"saveLevel"_s)->trigger(); }
    void play() const { form->findChild<QAction*>(u"playLevel"_s)->trigger(); }
    QString ownLevel(int number) const { return dataHome.filePath(u"orbo/Этажи/Этаж%1.orb"_s.arg(number)); }

    QTemporaryDir dir;
    QTemporaryDir dataHome;
    ScopedVariable dataHomeVariable{"XDG_DATA_HOME", dataHome.path().toUtf8().constData()};
    FakeDialogs* dialogs = nullptr;
    std::unique_ptr<EditorWindow> form;
};

}  // namespace

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void windowShowsItsTextsAndTheKnownPictures() {
        Editor editor(false, "Зелень.bmp");
        EditorWindow& form = *editor.form;
        QCOMPARE(form.windowTitle(), u"Редактор карт для ОРБО"_s);
        QCOMPARE(form.centralWidget()->size(), QSize(640, 533));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!form.windowFlags().testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        QStringList texts = {form.menuBar()->actions()[0]->text()};
        for (const QAction* item : form.menuBar()->actions()[0]->menu()->actions()) texts << item->text();
        QCOMPARE(texts,
                 QStringList({u"&Файл"_s, u"Открыть Игру"_s, u"Сохранить Игру"_s, u"Играть"_s, QString(), u"Выход"_s}));
        QCOMPARE(form.findChild<QAction*>(u"playLevel"_s)->shortcut(), QKeySequence(Qt::Key_F5));
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
        QCOMPARE(editor.dialogs->messages, QStringList(u"Фаил не найден "_s + editor.path(u"графика/Зелень.bmp"_s)));
        QCOMPARE(editor.pictures(), QList<int>(240, Empty));

        form.showBlock(1, Turf);
        form.showBlock(20, Kettle);
        for (const int code : {6, 9, -1, 1000}) form.showBlock(20, code);
        for (const int number : {0, 241}) form.showBlock(number, Brick);
        QList<int> shown(240, Empty);
        shown[0] = -1;  // a picture that failed to load is drawn black
        shown[19] = Kettle;
        QCOMPARE(editor.pictures(), shown);
        // The picture alone changes, never the grid.
        QCOMPARE(editor.grid(), QList<int>(240, Empty));
        form.findChild<QAction*>(u"exit"_s)->trigger();
        QVERIFY(!form.isVisible());
    }

    // Three pictures failing three ways: one message, each named for what went wrong.
    void pictureProblemsAreOneMessageNamingWhatFailed() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(toQString(program_files::graphicsFolder())));
        const auto picture = [&](int code) {
            return dir.filePath(
                toQString(program_files::graphicsFolder() / BlockPictureFiles[static_cast<std::size_t>(code)]));
        };
        QImage cell(FieldView::CellWidth, FieldView::CellHeight, QImage::Format_RGB32);
        cell.fill(Qt::gray);
        for (int code = Empty; code <= Kettle; ++code) QVERIFY(cell.save(picture(code), "BMP"));
        QVERIFY(QFile::remove(picture(Brick)));
        QFile broken(picture(Turf));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate) && broken.write("not a picture") > 0);
        broken.close();
        const QByteArray huge = QByteArray::fromStdString(oversizedPicture());
        QFile large(picture(Ladder));
        QVERIFY(large.open(QIODevice::WriteOnly | QIODevice::Truncate) && large.write(huge) == huge.size());
        large.close();

        auto fake = std::make_unique<FakeDialogs>();
        const FakeDialogs* dialogs = fake.get();
        const EditorWindow form(toPath(dir.path()), std::move(fake));
        QCOMPARE(dialogs->messages,
                 QStringList({u"Фаил не найден "_s + picture(Brick) + u"\nНе удаётся прочитать файл "_s +
                              picture(Turf) + u"\nРисунок больше экрана "_s + picture(Ladder)}));
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

    void anOpenedLevelIsSavedUnderTheNextFreeNumber() {
        Editor editor;
        // The game spells the folder with a capital letter; it is the same folder.
        QVERIFY(QDir(editor.dir.path()).mkdir(u"Этажи"_s));
        for (int i = 0; i < 5; ++i) editor.write(u"Этажи/Orbo%1.orb"_s.arg(i), "1\r\n");
        editor.save();
        editor.save();
        // Six files left: the count names Этаж6.orb, which is taken and must survive.
        QVERIFY(QFile::remove(editor.path(u"Этажи/Orbo0.orb"_s)));
        editor.write(u"ladders.orb"_s, rowsOf("3333333333333333", 15));
        editor.write(u"odd.orb"_s, "12\r\n1x11\r\n0123456789\r\n55555555555555559999");
        editor.open(u"ladders.orb"_s);
        editor.open(u"odd.orb"_s);
        QCOMPARE(editor.dialogs->asked, QStringList({editor.dir.path(), u"*.orb"_s}));
        QList<int> shown(240, Empty);
        shown[0] = shown[16] = shown[18] = shown[19] = Brick;
        shown[1] = Turf;
        // Codes 6 to 9 are kept but have no picture: those cells still show the ladders.
        for (int col = 0; col < 10; ++col) shown[32 + col] = col <= Kettle ? col : Ladder;
        for (int col = 0; col < FieldColumns; ++col) shown[48 + col] = Kettle;
        QCOMPARE(editor.pictures(), shown);
        editor.save();

        const QString saved = u"Этаж сохранен, под именем "_s + editor.path(u"Этажи/Этаж"_s);
        QCOMPARE(editor.dialogs->messages, QStringList({saved + "5.orb"_L1, saved + "6.orb"_L1, saved + "7.orb"_L1}));
        QCOMPARE(editor.read(u"Этажи/Этаж6.orb"_s), rowsOf("0000000000000000", 15));
        QCOMPARE(editor.read(u"Этажи/Этаж7.orb"_s),
                 "1200000000000000\r\n1011000000000000\r\n0123456789000000\r\n5555555555555555\r\n" +
                     rowsOf("0000000000000000", 11));
    }

    void anOpenThatReadsNothingLeavesTheGridAlone_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("cancelled") << QString();
        QTest::newRow("missing file") << u"нет.orb"_s;
        QTest::newRow("a folder") << u"папка.orb"_s;
    }

    void anOpenThatReadsNothingLeavesTheGridAlone() {
        QFETCH(QString, chosen);
        Editor editor;
        QVERIFY(QDir(editor.dir.path()).mkdir(u"папка.orb"_s));
        editor.write(u"bricks.orb"_s, rowsOf("1111111111111111", 15));
        editor.open(u"bricks.orb"_s);
        editor.open(chosen);
        QCOMPARE(editor.dialogs->messages,
                 chosen.isEmpty() ? QStringList() : QStringList(u"Фаил не найден "_s + editor.path(chosen)));
        QCOMPARE(editor.grid(), QList<int>(240, Brick));
        QCOMPARE(editor.pictures(), QList<int>(240, Brick));
    }

    void aFailedSaveNamesThePathAndLeavesNothing() {
        Editor editor;
        const auto entries = [&](const QString& folder) {
            return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        // The program's folder takes nothing: the level goes to the player's own folder, made for it.
        editor.save();
        QCOMPARE(entries(editor.dir.path()), QStringList(u"графика"_s));
        QCOMPARE(editor.dialogs->messages.takeFirst(), u"Этаж сохранен, под именем "_s + editor.ownLevel(0));
        QFile own(editor.ownLevel(0));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), rowsOf("0000000000000000", 15));
        QVERIFY(QDir(editor.dir.path()).mkdir(u"этажи"_s));
        editor.write(u"этажи/Orbo0.orb"_s, "1\r\n");
        // No file may grow past 100 bytes meanwhile, whatever the user's rights.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited{100, saved.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limited);
        editor.save();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(entries(editor.path(u"этажи"_s)), QStringList(u"Orbo0.orb"_s));
        QCOMPARE(entries(QFileInfo(editor.ownLevel(0)).path()), QStringList(u"Этаж0.orb"_s));
        // Both folders failed; each is named with the system's reason on a line of its own.
        const auto failed = [&](const QString& path, int error) {
            return u"Путь не найден "_s + path + u'\n' + QString::fromUtf8(std::strerror(error));
        };
        QCOMPARE(editor.dialogs->messages, QStringList(failed(editor.path(u"этажи/Этаж1.orb"_s), EFBIG) + u'\n' +
                                                       failed(editor.ownLevel(1), EFBIG)));

        // Without a folder of the player's own there is only the program's to name.
        const ScopedVariable noDataHome("XDG_DATA_HOME", nullptr);
        const ScopedVariable noHome("HOME", nullptr);
        QVERIFY(QDir(editor.path(u"этажи"_s)).removeRecursively());
        editor.dialogs->messages.clear();
        editor.save();
        QCOMPARE(editor.dialogs->messages, QStringList(failed(editor.path(u"этажи"_s), ENOENT)));
    }

    void thePlayersOwnFolderFollowsTheDesktopsRules_data() {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("folder");
        QTest::newRow("data home") << "/data"_ba
                                   << "/home/ann"_ba << u"/data/orbo/Этажи"_s;
        QTest::newRow("no data home") << QByteArray() << "/home/ann"_ba << u"/home/ann/.local/share/orbo/Этажи"_s;
        QTest::newRow("relative data home") << "data"_ba
                                            << "/home/ann"_ba << u"/home/ann/.local/share/orbo/Этажи"_s;
        QTest::newRow("relative home") << QByteArray() << "ann"_ba << QString();
    }

    void thePlayersOwnFolderFollowsTheDesktopsRules() {
        QFETCH(QByteArray, dataHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, folder);
        const ScopedVariable dataHomeVariable("XDG_DATA_HOME", dataHome.isNull() ? nullptr : dataHome.constData());
        const ScopedVariable homeVariable("HOME", home.constData());
        QCOMPARE(toQString(userLevelFolder()), folder);
    }

    void playRunsTheGameOnACopyOfTheGrid() {
        Editor editor;
        QVERIFY(QDir(editor.dir.path()).mkdir(u"Этажи"_s));
        editor.write(u"Этажи/Orbo0.orb"_s, rowsOf("1111111111111111", 15));
        editor.play();
        QCOMPARE(editor.dialogs->messages, QStringList(u"Фаил не найден "_s + editor.path(u"orbo"_s)));

        // A stand-in for the game that notes where it runs and its arguments.
        editor.write(u"orbo"_s, "#!/bin/sh\nprintf '%s\\n' \"$(pwd)\" \"$@\" >> started\n");
        QVERIFY(QFile::setPermissions(editor.path(u"orbo"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        editor.open(u"Этажи/Orbo0.orb"_s);
        editor.click(Qt::Key_4);
        editor.press(Qt::Key_Space);
        editor.poll();
        editor.moveTo(1);
        editor.play();
        QTRY_COMPARE(editor.read(u"started"_s).count("--level"), 1);
        editor.moveTo(2);
        editor.play();
        QTRY_COMPARE(editor.read(u"started"_s).count("--level"), 2);
        const QList<QByteArray> started = editor.read(u"started"_s).split('\n');
        QCOMPARE(started.size(), 7);
        const QByteArray first = rowsOf("3111111111111111", 1) + rowsOf("1111111111111111", 14);
        const QByteArray second = rowsOf("3311111111111111", 1) + rowsOf("1111111111111111", 14);
        for (const QByteArray& line : {started[0], started[3]}) QCOMPARE(QString::fromUtf8(line), editor.dir.path());
        QCOMPARE(started[1], "--level");
        QCOMPARE(started[4], "--level");
        // Each time a temporary file of its own, never one in the level folder; both
        // are there for as long as the editor runs.
        QVERIFY(started[2] != started[5]);
        for (const QByteArray& level : {started[2], started[5]}) {
            QVERIFY(!level.startsWith(editor.dir.path().toUtf8()));
            QFile file(QString::fromUtf8(level));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), level == started[2] ? first : second);
        }
        QCOMPARE(QDir(editor.path(u"Этажи"_s)).entryList(QDir::Files), QStringList(u"Orbo0.orb"_s));
        QCOMPARE(editor.dialogs->messages.size(), 1);
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

    void theOpenDialogSpeaksRussian() {
        const auto russian = installRussianQtTexts();
        QVERIFY(russian);
        QStringList seen;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen << dialog->windowTitle();
            for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->isVisible()) seen << button->text().remove(u'&');
            for (const QLabel* label : dialog->findChildren<QLabel*>()) seen << label->text().remove(u'&');
            dialog->reject();
        });
        answer.start(10);
        QCOMPARE(QtEditorDialogs().chooseFileToOpen(nullptr, QDir::tempPath(), u"*.orb"_s), QString());
        for (const QString& text : {u"Открыть"_s, u"Отмена"_s, u"Имя файла:"_s, u"Типы файлов:"_s})
            QVERIFY2(seen.count(text) >= 1, qPrintable(text + u" is not among "_s + seen.join(u", "_s)));
    }
};

}  // namespace orbo::test

QTEST_MAIN(orbo::test::EditorTest)
#include "EditorTest.moc"

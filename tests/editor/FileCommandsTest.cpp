// "Открыть Игру" and "Сохранить Игру": level files in and out of the grid.
#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

#include "tests/editor/EditorTestSupport.h"

namespace orbo::test {
namespace {

QByteArray rowsOf(const QByteArray& row, int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i) text += row + "\r\n";
    return text;
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Files may grow no larger than a few bytes while this lives, for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// Runs once the next modal dialog is up, on the dialog.
template <typename Dialog, typename Action>
void whenDialogShows(Action action) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, action] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            action(dialog);
        }
    });
    timer->start(10);
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void openReadsEachCellAndRedrawsOnlyTheKnownBlocks() {
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("ladders.orb"), rowsOf("3333333333333333", 15));
        folder.writeFile(QStringLiteral("odd.orb"), "12\r\n1111x111\r\n0123456789\r\n55555555555555559999");
        EditorWindow editor(folder);
        Form1& form = *editor.form;

        editor.dialogs->answer = folder.filePath(QStringLiteral("ladders.orb"));
        form.findChild<QAction*>(QStringLiteral("ОткрытьИгру"))->trigger();
        QCOMPARE(editor.dialogs->openDialogs, 1);
        QCOMPARE(editor.dialogs->lastStartFolder, folder.path());
        QCOMPARE(editor.dialogs->lastFilter, QStringLiteral("*.orb"));
        QCOMPARE(editor.cellsShowing(blockColour(Ladder)), 240);

        editor.dialogs->answer = folder.filePath(QStringLiteral("odd.orb"));
        form.ОткрытьИгру();
        QVERIFY(editor.dialogs->messages.isEmpty());
        const EditorGrid& grid = form.editorGrid();
        QCOMPARE(grid.at(0, 0), Brick);
        QCOMPARE(grid.at(1, 0), Turf);
        QCOMPARE(grid.at(2, 0), Empty);
        QCOMPARE(grid.at(3, 1), Brick);
        QCOMPARE(grid.at(4, 1), Empty);
        QCOMPARE(grid.at(5, 1), Brick);
        for (int col = 0; col < 10; ++col) QCOMPARE(grid.at(col, 2), col);
        QCOMPARE(grid.at(10, 2), Empty);
        for (int col = 0; col < FieldColumns; ++col) QCOMPARE(grid.at(col, 3), Kettle);
        for (int row = 4; row < FieldRows; ++row)
            for (int col = 0; col < FieldColumns; ++col) QCOMPARE(grid.at(col, row), Empty);

        for (int col = 0; col < 6; ++col) QCOMPARE(editor.cellColour(col, 2), blockColour(col));
        // Codes 6 to 9 have no picture: those cells still show the ladders.
        for (int col = 6; col < 10; ++col) QCOMPARE(editor.cellColour(col, 2), blockColour(Ladder));
        QCOMPARE(editor.cellsShowing(blockColour(Ladder)), 5);
        QCOMPARE(editor.cellColour(4, 1), blockColour(Empty));
        QCOMPARE(editor.cellColour(15, 14), blockColour(Empty));
    }

    void openThatCannotReadLeavesTheGridAlone_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("message");
        QTest::newRow("cancelled") << QString() << false;
        QTest::newRow("missing file") << QStringLiteral("нет.orb") << true;
        QTest::newRow("a folder") << QStringLiteral("папка.orb") << true;
    }

    void openThatCannotReadLeavesTheGridAlone() {
        QFETCH(QString, chosen);
        QFETCH(bool, message);
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("bricks.orb"), rowsOf("1111111111111111", 15));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("папка.orb")));
        EditorWindow editor(folder);
        editor.dialogs->answer = folder.filePath(QStringLiteral("bricks.orb"));
        editor.form->ОткрытьИгру();

        editor.dialogs->answer = chosen.isEmpty() ? QString() : folder.filePath(chosen);
        editor.form->ОткрытьИгру();
        QCOMPARE(editor.dialogs->openDialogs, 2);
        if (message)
            QCOMPARE(editor.dialogs->messages, QStringList(QStringLiteral("Фаил не найден ") + folder.filePath(chosen)));
        else
            QVERIFY(editor.dialogs->messages.isEmpty());
        for (int row = 0; row < FieldRows; ++row)
            for (int col = 0; col < FieldColumns; ++col) QCOMPARE(editor.form->editorGrid().at(col, row), Brick);
        QCOMPARE(editor.cellsShowing(blockColour(Brick)), 240);
    }

    void saveWritesTheGridAsFifteenLinesOfDigits() {
        ProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("этажи")));
        folder.writeFile(QStringLiteral("odd.orb"), "12\r\n1111x111\r\n0123456789\r\n55555555555555559999");
        EditorWindow editor(folder);

        editor.form->findChild<QAction*>(QStringLiteral("СохранитьИгру"))->trigger();
        QCOMPARE(folder.readFile(QStringLiteral("этажи/Этаж0.orb")), rowsOf("0000000000000000", 15));

        editor.dialogs->answer = folder.filePath(QStringLiteral("odd.orb"));
        editor.form->ОткрытьИгру();
        editor.form->СохранитьИгру();
        QCOMPARE(folder.readFile(QStringLiteral("этажи/Этаж1.orb")),
                 QByteArray("1200000000000000\r\n"
                            "1111011100000000\r\n"
                            "0123456789000000\r\n"
                            "5555555555555555\r\n") +
                     rowsOf("0000000000000000", 11));
        QCOMPARE(editor.dialogs->messages,
                 QStringList({QStringLiteral("Этаж сохранен, под именем ") + folder.filePath("этажи/Этаж0.orb"),
                              QStringLiteral("Этаж сохранен, под именем ") + folder.filePath("этажи/Этаж1.orb")}));
    }

    void saveNumbersAfterTheFilesPresentAndNeverOverwrites() {
        ProgramFolder folder;
        // The game spells the folder with a capital letter; it is the same folder.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Этажи")));
        QVERIFY(QDir(folder.filePath(QStringLiteral("Этажи"))).mkdir(QStringLiteral("subfolder")));
        for (int level = 0; level < 5; ++level)
            folder.writeFile(QStringLiteral("Этажи/Orbo%1.orb").arg(level), rowsOf("2222222222222222", 15));
        folder.writeFile(QStringLiteral("kettles.orb"), rowsOf("5555555555555555", 15));
        EditorWindow editor(folder);
        const QString levels = folder.filePath(QStringLiteral("Этажи"));
        const QString saved = QStringLiteral("Этаж сохранен, под именем ");

        editor.form->СохранитьИгру();
        editor.form->СохранитьИгру();
        QCOMPARE(editor.dialogs->messages,
                 QStringList({saved + levels + QStringLiteral("/Этаж5.orb"), saved + levels + QStringLiteral("/Этаж6.orb")}));
        const QByteArray empty = rowsOf("0000000000000000", 15);
        QCOMPARE(folder.readFile(QStringLiteral("Этажи/Этаж5.orb")), empty);
        QCOMPARE(folder.readFile(QStringLiteral("Этажи/Этаж6.orb")), empty);

        // Six files left: the count names Этаж6.orb, which must survive.
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("Этажи/Orbo0.orb"))));
        editor.dialogs->answer = folder.filePath(QStringLiteral("kettles.orb"));
        editor.form->ОткрытьИгру();
        editor.form->СохранитьИгру();
        QCOMPARE(editor.dialogs->messages.last(), saved + levels + QStringLiteral("/Этаж7.orb"));
        QCOMPARE(folder.readFile(QStringLiteral("Этажи/Этаж6.orb")), empty);
        QCOMPARE(folder.readFile(QStringLiteral("Этажи/Этаж7.orb")), rowsOf("5555555555555555", 15));
        QCOMPARE(entriesOf(levels).size(), 8);
    }

    void saveWithoutALevelFolderNamesThePathAndWritesNothing() {
        ProgramFolder folder;
        EditorWindow editor(folder);
        const QStringList before = entriesOf(folder.path());
        editor.form->СохранитьИгру();
        QCOMPARE(editor.dialogs->messages,
                 QStringList(QStringLiteral("Путь не найден ") + folder.filePath(QStringLiteral("этажи"))));
        QCOMPARE(entriesOf(folder.path()), before);
    }

    void aFailedWriteLeavesNothingBehind_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("file cut short") << false;
    }

    void aFailedWriteLeavesNothingBehind() {
        QFETCH(bool, readOnlyFolder);
        ProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("этажи")));
        const QString levels = folder.filePath(QStringLiteral("этажи"));
        folder.writeFile(QStringLiteral("этажи/Orbo0.orb"), rowsOf("1111111111111111", 15));
        EditorWindow editor(folder);

        if (readOnlyFolder) {
            QVERIFY(QFile::setPermissions(levels, QFile::ReadOwner | QFile::ExeOwner));
            // Root and anyone allowed to override permissions write there anyway;
            // the size limit below makes the write fail for them too.
            QFile probe(QDir(levels).filePath(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QVERIFY(QFile::setPermissions(levels, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
                QSKIP("permissions do not stop this user's writes");
            }
            editor.form->СохранитьИгру();
            QVERIFY(QFile::setPermissions(levels, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        } else {
            const FileSizeLimit limit(100);
            editor.form->СохранитьИгру();
        }
        QCOMPARE(editor.dialogs->messages,
                 QStringList(QStringLiteral("Путь не найден ") + QDir(levels).filePath(QStringLiteral("Этаж1.orb"))));
        QCOMPARE(entriesOf(levels), QStringList(QStringLiteral("Orbo0.orb")));
    }

    void realDialogsStartInTheProgramFolderAndShowTheText() {
        ProgramFolder folder;
        QtEditorDialogs dialogs;

        QStringList filters;
        QString directory;
        whenDialogShows<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            directory = dialog->directory().absolutePath();
            dialog->reject();
        });
        QCOMPARE(dialogs.chooseFileToOpen(nullptr, folder.path(), QStringLiteral("*.orb")), QString());
        QCOMPARE(filters, QStringList(QStringLiteral("*.orb")));
        QCOMPARE(directory, folder.path());

        QString shown;
        whenDialogShows<QMessageBox>([&](QMessageBox* box) {
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.showMessage(nullptr, QStringLiteral("Путь не найден /нет"));
        QCOMPARE(shown, QStringLiteral("Путь не найден /нет"));
    }
};

}  // namespace orbo::test

QTEST_MAIN(orbo::test::FileCommandsTest)
#include "FileCommandsTest.moc"

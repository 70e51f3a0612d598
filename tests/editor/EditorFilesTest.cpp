// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's file commands driven as a user would: opening and saving level
// files, the player's own level folder, and trying the level in the game.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "editor/SaveFolders.h"
#include "editor/TrialLevel.h"
#include "editor/UserLevelFolder.h"
#include "qtcommon/RussianQtTexts.h"
#include "tests/common/ChildProcess.h"
#include "tests/editor/EditorFixture.h"

namespace orbo::test {
namespace {

QString failed(const QString& path, int error) {
    return u"Путь не найден "_s + path + u'\n' + QString::fromUtf8(std::strerror(error));
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Makes the folder read-only for this process alone: a read-only mount where
// the system lets a test mount one, else a user the folder does not admit.
// The error a write there gives.
int makeReadOnly(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
        ::mount("tmpfs", name.constData(), "tmpfs", MS_RDONLY, nullptr) == 0)
        return EROFS;
    if (::geteuid() == 0 && (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)) return 0;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    return EACCES;
}

}  // namespace

class EditorFilesTest : public QObject {
    Q_OBJECT
private slots:
    void anOpenedLevelIsSavedUnderTheNextFreeNumber() {
        Editor editor;
        // The game spells the folder with a capital letter; it is the same folder.
        QVERIFY(QDir(editor.dir.path()).mkdir(u"Этажи"_s) && QDir(editor.dir.path()).mkdir(u"папка.orb"_s));
        for (int i = 0; i < 5; ++i) editor.write(u"Этажи/Orbo%1.orb"_s.arg(i), "1\r\n");
        editor.save();
        editor.save();
        // Six files left: the count names Этаж6.orb, which is taken and must survive.
        QVERIFY(QFile::remove(editor.path(u"Этажи/Orbo0.orb"_s)));
        editor.write(u"ladders.orb"_s, rowsOf("3333333333333333", 15));
        editor.write(u"odd.orb"_s, "12\r\n1x11\r\n0123456789\r\n55555555555555559999");
        editor.open(u"ladders.orb"_s);
        editor.open(u"odd.orb"_s);
        // The open dialog starts where the last save went.
        QCOMPARE(editor.dialogs->asked, QStringList({editor.path(u"Этажи"_s), u"*.orb"_s}));
        QList<int> shown(240, Empty);
        shown[0] = shown[16] = shown[18] = shown[19] = Brick;
        shown[1] = Turf;
        // Codes 6 to 9 are kept but have no picture: those cells still show the ladders.
        for (int col = 0; col < 10; ++col) shown[32 + col] = col <= Kettle ? col : Ladder;
        for (int col = 0; col < FieldColumns; ++col) shown[48 + col] = Kettle;
        // A cancelled dialog, a file that is not there and a folder leave the grid as it was.
        for (const QString& chosen : {QString(), u"нет.orb"_s, u"папка.orb"_s}) editor.open(chosen);
        QCOMPARE(editor.pictures(), shown);
        // The outlines and marks over the grid stay out of the file.
        QVERIFY(editor.action(u"guides"_s)->isChecked());
        editor.save();

        const QString saved = u"Этаж сохранен, под именем "_s + editor.path(u"Этажи/Этаж"_s);
        const QString notFound = u"Фаил не найден "_s;
        QCOMPARE(editor.dialogs->messages,
                 QStringList({saved + "5.orb"_L1, saved + "6.orb"_L1, notFound + editor.path(u"нет.orb"_s),
                              notFound + editor.path(u"папка.orb"_s), saved + "7.orb"_L1}));
        QCOMPARE(editor.read(u"Этажи/Этаж6.orb"_s), rowsOf("0000000000000000", 15));
        QCOMPARE(editor.read(u"Этажи/Этаж7.orb"_s),
                 "1200000000000000\r\n1011000000000000\r\n0123456789000000\r\n5555555555555555\r\n" +
                     rowsOf("0000000000000000", 11));
    }

    // A failed save names every folder tried, each with the system's reason on a
    // line of its own.
    void aFailedSaveNamesEachFolderWithItsReason() {
        Editor editor;
        // The program's folder takes nothing: the level goes to the player's own folder, made for it.
        editor.save();
        QCOMPARE(entries(editor.dir.path()), QStringList(u"графика"_s));
        QCOMPARE(editor.dialogs->messages.takeFirst(), u"Этаж сохранен, под именем "_s + editor.ownLevel(0));
        QCOMPARE(editor.read(editor.ownLevel(0)), rowsOf("0000000000000000", 15));
        const QString ownFolder = QFileInfo(editor.ownLevel(0)).path();
        // The open dialog starts where the save went, as it would have before, the program's folder taking none.
        editor.open({});
        QCOMPARE(editor.dialogs->asked.first(), ownFolder);
        QCOMPARE(openStartFolder({}, toPath(editor.dir.path()), toPath(ownFolder)), toPath(ownFolder));
        QCOMPARE(openStartFolder({}, toPath(editor.dir.path()), "/nowhere"), toPath(editor.dir.path()));

        // A data folder that takes nothing is named for why, not as missing, after the program's missing one.
        QVERIFY(QDir(editor.dataHome.filePath(u"orbo"_s)).removeRecursively());
        const ChildOutcome readOnly = runInChild([&] {
            const int error = makeReadOnly(editor.dataHome.path());
            editor.save();
            return (QString::number(error) + u'|' + editor.dialogs->messages.join(u'|')).toStdString();
        });
        const int error = QString::fromStdString(readOnly.output).section(u'|', 0, 0).toInt();
        QCOMPARE(QString::fromStdString(readOnly.output).section(u'|', 1),
                 failed(editor.path(u"этажи"_s), error == EROFS ? ENOENT : error) + u'\n' + failed(ownFolder, error));
        QCOMPARE(entries(editor.dataHome.path()), QStringList());

        // Without a folder of the player's own there is only the program's to name.
        const auto noDataHome = setForNow("XDG_DATA_HOME", nullptr);
        const auto noHome = setForNow("HOME", nullptr);
        editor.save();
        QCOMPARE(editor.dialogs->messages, QStringList(failed(editor.path(u"этажи"_s), ENOENT)));
    }

    void thePlayersOwnFolderFollowsTheDesktopsRules() {
        const std::tuple<const char*, const char*, QString> cases[] = {
            {"/data", "/home/ann", u"/data/orbo/Этажи"_s},
            {nullptr, "/home/ann", u"/home/ann/.local/share/orbo/Этажи"_s},
            {"data", "/home/ann", u"/home/ann/.local/share/orbo/Этажи"_s},
            {nullptr, "ann", QString()},
        };
        for (const auto& [dataHome, home, folder] : cases) {
            const auto dataHomeVariable = setForNow("XDG_DATA_HOME", dataHome);
            const auto homeVariable = setForNow("HOME", home);
            QCOMPARE(toQString(userLevelFolder()), folder);
        }
    }

    // F5 without the game beside the editor names it. A $TMPDIR that is not
    // there leaves the level to the standard folder, and nothing is made
    // anywhere else; where no folder takes it, each is named with why. (The
    // game's side: PlayFromEditorEndToEnd.sh.)
    void aTrialLevelGoesWhereAFolderTakesIt() {
        Editor editor;
        editor.play();
        QCOMPARE(editor.dialogs->messages, QStringList(u"Фаил не найден "_s + editor.path(u"orbo"_s)));
        const auto missing = setForNow("TMPDIR", "/nowhere");
        QCOMPARE(trialFolders(), std::vector<std::filesystem::path>({"/nowhere", "/tmp"}));
        const QStringList root = entries(u"/"_s);
        QVERIFY(writeTrialLevel(EditorGrid{}).file.valid());
        QCOMPARE(entries(u"/"_s), root);
        const QString none = u"Не удалось записать этаж для игры в %1\n"_s + QString::fromUtf8(std::strerror(ENOENT));
        QCOMPARE(writeTrialLevel(EditorGrid{}, {"/nowhere", "/nowhere/either"}).failure,
                 none.arg(u"/nowhere"_s) + u'\n' + none.arg(u"/nowhere/either"_s));
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

QTEST_MAIN(orbo::test::EditorFilesTest)
#include "EditorFilesTest.moc"

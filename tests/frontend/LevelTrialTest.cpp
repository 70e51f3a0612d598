// The game program's single-level mode: its command line, a session on one
// level file, and the message boxes a session shows when SDL cannot.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/Paths.h"
#include "game/core/ScanCodes.h"
#include "game/frontend/CommandLine.h"
#include "game/frontend/SessionMessages.h"
#include "game/platform/RealPlatform.h"
#include "game/session/Session.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/ProgramFolder.h"

using namespace Qt::StringLiterals;

namespace orbo::test {
namespace {

// The game on a fake machine whose program folder has no level folder at all,
// and a level file somewhere else.
struct Trial : FakeGame {
    Trial() {
        // Silent: the program folder holds no sounds to complain about.
        game->settings = {.soundOn = false, .musicOn = false, .smartCops = 0, .speed = 2};
        // Bricks around the cops' start cell, a kettle right of the hero's, and a
        // code the game plays as empty.
        std::vector<std::string> rows(15);
        rows[0] = "1010000000000000";
        rows[1] = "0100000000000000";
        rows[2] = "0000000000000007";
        rows[14] = "0050000000000000";
        writeFile(levelFile, levelText(rows));
    }

    // Holds the keys on every pass until the session ends, or Esc after limit passes.
    int play(std::initializer_list<int> keys, int limit = 600) {
        int pass = 0;
        machine.events.onPump = [&] {
            ++pass;
            machine.keyboard.releaseAll();
            machine.keyboard.press(keys);
            if (pass >= limit) machine.keyboard.press({ScanCode::Escape});
        };
        playLevelFile(*game, levelFile);
        return pass;
    }

    std::string row(int number) const {
        std::string text;
        for (int col = 0; col < FieldColumns; ++col) text += static_cast<char>('0' + game->tileMap.at(col, number));
        return text;
    }

    TempDir levelDir;
    std::filesystem::path levelFile = levelDir.path() / "Проба1.orb";
};

}  // namespace

class LevelTrialTest : public QObject {
    Q_OBJECT
private slots:
    void commandLineChoosesTheMenuOrOneLevel_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<bool>("fullscreen");
        QTest::newRow("menu") << QStringList() << QString() << 0 << QString() << true;
        QTest::newRow("level") << QStringList({"--level", "мои этажи/Этаж 3.orb"}) << "мои этажи/Этаж 3.orb" << 0
                               << QString() << true;
        QTest::newRow("level=") << QStringList({"--level=x.orb"}) << "x.orb" << 0 << QString() << true;
        QTest::newRow("window") << QStringList({"--window", "--level=x.orb"}) << "x.orb" << 0 << QString() << false;
        QTest::newRow("last counts") << QStringList({"--window", "--fullscreen"}) << QString() << 0 << QString()
                                     << true;
        QTest::newRow("last counts 2") << QStringList({"--fullscreen", "--window"}) << QString() << 0 << QString()
                                       << false;
        QTest::newRow("help") << QStringList({"--help"}) << QString() << 0 << "--window" << true;
        QTest::newRow("no file") << QStringList({"--level"}) << QString() << 2 << "level" << true;
        QTest::newRow("empty file") << QStringList({"--level", ""}) << QString() << 2 << "ФАЙЛ" << true;
        QTest::newRow("misspelt") << QStringList({"--levle", "x.orb"}) << QString() << 2 << "levle" << true;
        QTest::newRow("stray") << QStringList({"x.orb"}) << QString() << 2 << "x.orb" << true;
    }

    void commandLineChoosesTheMenuOrOneLevel() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, level);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QFETCH(bool, fullscreen);
        const CommandLine wanted = parseCommandLine(QStringList(u"orbo"_s) + arguments);
        QCOMPARE(wanted.levelFile.has_value(), !level.isEmpty());
        if (wanted.levelFile) QCOMPARE(QString::fromStdString(wanted.levelFile->string()), level);
        QCOMPARE(wanted.exitStatus, status);
        QCOMPARE(wanted.output.has_value(), !printed.isEmpty());
        if (wanted.output) QVERIFY2(wanted.output->contains(printed), qPrintable(*wanted.output));
        QCOMPARE(wanted.fullscreen, fullscreen);
    }

    void clearingTheLevelEndsTheSessionWithNoOtherLevel() {
        Trial trial;
        trial.play({ScanCode::Right});
        QCOMPARE(trial.machine.messages.shown(), std::vector<std::string>());
        QCOMPARE(trial.game->progress.score, 110);
        QVERIFY(!trial.game->progress.canContinue);
        QCOMPARE(trial.row(0), "1010000000000000");
        QCOMPARE(trial.row(2), "0000000000000000");
        QCOMPARE(trial.row(14), "0000000000000000");

        // The next session plays the program's own levels again: here there are none.
        playSession(*trial.game);
        QCOMPARE(trial.machine.messages.shown(),
                 std::vector<std::string>{"Путь не найден " + displayPath(trial.dir.path() / "этажи")});
    }

    void leavingOrSkippingEndsTheSessionAtOnce_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << ScanCode::Escape;
        QTest::newRow("=") << ScanCode::Equals;
    }

    void leavingOrSkippingEndsTheSessionAtOnce() {
        QFETCH(int, key);
        Trial trial;
        QCOMPARE(trial.play({key}), 1);
        QCOMPARE(trial.machine.messages.shown(), std::vector<std::string>());
        QCOMPARE(trial.row(14), "0050000000000000");
        QVERIFY(!trial.machine.display.isOpen());
    }

    void aLevelFileThatIsNoFileIsNamedBeforeTheScreenOpens_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("missing") << false;
        QTest::newRow("a folder") << true;
    }

    void aLevelFileThatIsNoFileIsNamedBeforeTheScreenOpens() {
        QFETCH(bool, folder);
        Trial trial;
        std::filesystem::remove(trial.levelFile);
        if (folder) std::filesystem::create_directory(trial.levelFile);
        QCOMPARE(trial.play({}), 0);
        QCOMPARE(trial.machine.messages.shown(),
                 std::vector<std::string>{"Фаил не найден " + displayPath(trial.levelFile)});
        QCOMPARE(trial.machine.display.flips(), 0);
    }

    // Without a display SDL has no way to show a message box; Qt's takes its place.
    void sessionMessagesFallBackToQtBoxes() {
        TempDir dir;
        sdl::RealPlatform machine(
            dir.path(), [] {}, showSessionMessage);
        QStringList seen;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            seen << box->windowTitle() << box->text() << QString::number(box->icon());
            box->button(QMessageBox::Ok)->click();
        });
        answer.start(10);
        machine.platform().messages.show("Звуковая карта используется или отсутствует.", MessageIcon::None);
        machine.platform().messages.show("Фаил не найден /x", MessageIcon::Critical);
        QCOMPARE(seen, QStringList({u"Orbo"_s, u"Звуковая карта используется или отсутствует."_s,
                                    QString::number(QMessageBox::NoIcon), u"Orbo"_s, u"Фаил не найден /x"_s,
                                    QString::number(QMessageBox::Critical)}));
    }
};

}  // namespace orbo::test

QTEST_MAIN(orbo::test::LevelTrialTest)
#include "LevelTrialTest.moc"

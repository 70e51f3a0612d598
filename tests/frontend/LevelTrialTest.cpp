// SPDX-License-Identifier: GPL-3.0-or-later
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

Q_DECLARE_METATYPE(orbo::LevelEnd)

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

    // Holds the keys on every pass until the session ends, or Esc after limit
    // passes; once the end is on the screen, the key sets of `then` are down
    // one after the other at each look at the keyboard (the last one stays).
    LevelEnd play(const QList<int>& keys, const QList<QList<int>>& then = {}, int limit = 600) {
        qsizetype looks = 0;
        machine.events.onPump = [&] {
            machine.keyboard.releaseAll();
            const bool ended = game->session.quit;
            if (ended && endShownAt == 0) endShownAt = machine.clock.tickCount();
            for (const int key : ended && !then.isEmpty() ? then.value(looks++, then.last()) : keys)
                machine.keyboard.press({key});
            if (!ended && ++passes >= limit) machine.keyboard.press({ScanCode::Escape});
        };
        const LevelEnd end = playLevelFile(*game, levelFile);
        endShownMs = endShownAt == 0 ? 0 : machine.clock.tickCount() - endShownAt;
        return end;
    }

    TempDir levelDir;
    std::filesystem::path levelFile = levelDir.path() / "Проба1.orb";
    int passes = 0;
    std::uint32_t endShownAt = 0;
    std::uint32_t endShownMs = 0;
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

    // The keys that ended the game are still down: the end stays on the screen
    // for two seconds, unless another key goes down.
    void theScreenSaysHowTheLevelEnded_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<QList<int>>>("then");
        QTest::addColumn<LevelEnd>("end");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("passes");
        QTest::addColumn<int>("shownMs");
        QTest::newRow("cleared") << QList{ScanCode::Right} << QList<QList<int>>() << LevelEnd::Cleared
                                 << u"Этаж пройден! Счет: 110"_s << 0 << 2000;
        QTest::newRow("lives lost") << QList{ScanCode::R} << QList<QList<int>>() << LevelEnd::LivesLost
                                    << u"Все жизни потеряны, игра окончена."_s << 10 << 2000;
        QTest::newRow("Esc") << QList{ScanCode::Escape} << QList<QList<int>>() << LevelEnd::Left
                             << u"Игра прервана клавишей Esc."_s << 1 << 2000;
        QTest::newRow("=") << QList{ScanCode::Equals} << QList<QList<int>>() << LevelEnd::Skipped << u"Этаж пропущен."_s
                           << 1 << 2000;
        QTest::newRow("Esc let go and pressed again")
            << QList{ScanCode::Escape} << QList<QList<int>>{{ScanCode::Escape}, {}, {ScanCode::Escape}}
            << LevelEnd::Left << u"Игра прервана клавишей Esc."_s << 1 << 20;
    }

    void theScreenSaysHowTheLevelEnded() {
        QFETCH(QList<int>, keys);
        QFETCH(QList<QList<int>>, then);
        QFETCH(LevelEnd, end);
        QFETCH(QString, said);
        QFETCH(int, passes);
        QFETCH(int, shownMs);
        Trial trial;
        QCOMPARE(trial.play(keys, then), end);
        const auto& texts = trial.machine.display.shownFrames().back().texts;
        QCOMPARE(texts.empty() ? QString() : QString::fromStdString(texts.back()), said);
        if (passes > 0) QCOMPARE(trial.passes, passes);
        QVERIFY2(trial.endShownMs >= static_cast<std::uint32_t>(shownMs) &&
                     trial.endShownMs < static_cast<std::uint32_t>(shownMs) + 20,
                 qPrintable(QString::number(trial.endShownMs)));
        QCOMPARE(trial.machine.messages.shown(), std::vector<std::string>());
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
        QCOMPARE(trial.play({}), LevelEnd::NotPlayed);
        QCOMPARE(trial.passes, 0);
        QCOMPARE(trial.machine.messages.shown(),
                 std::vector<std::string>{"Фаил не найден " + displayPath(trial.levelFile)});
        QCOMPARE(trial.machine.display.flips(), 0);
    }

    // The screen lost during play has been reported; the program must not end as if the level had been played.
    void aLostScreenEndsTheLevelUnplayed() {
        Trial trial;
        trial.machine.display.loseScreenAfter(5);
        QCOMPARE(trial.play({}), LevelEnd::ScreenLost);
        QCOMPARE(trial.machine.messages.shown().size(), 1u);
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

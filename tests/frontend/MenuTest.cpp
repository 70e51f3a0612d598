#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "game/frontend/Form2.h"
#include "tests/frontend/MenuWorld.h"

namespace orbo::test {
namespace {

QPushButton* button(QWidget& menu, const char* name) {
    return menu.findChild<QPushButton*>(QString::fromUtf8(name));
}

QLabel* figure(QWidget& menu, const char* name) { return menu.findChild<QLabel*>(QString::fromUtf8(name)); }

QTimer* timer(QWidget& menu, const char* name) { return menu.findChild<QTimer*>(QString::fromUtf8(name)); }

// What the session leaves behind when the player presses Esc.
void leaveWithEsc(Game& game) {
    game.progress.savedScore = game.progress.score;
    game.progress.savedLives = game.progress.lives;
    game.progress.savedLevel = game.progress.level;
    game.progress.canContinue = true;
    game.session.quit = true;
}

// ...and when the last life is lost.
void loseLastLife(Game& game) {
    game.progress.lives = 10.0f;
    game.progress.level = 0;
    game.progress.score = 0;
    game.progress.canContinue = false;
    game.session.quit = true;
}

}  // namespace

class MenuTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithContinueDisabledAndTheDefaultOptions();
    void continueFollowsHowTheLastNewGameEnded();
    void menuIgnoresClicksDuringASession();
    void helpShowsTheEightKeyLines();
    void figuresFlipOnEachTimerReadingTheFilesAfresh();
    void figuresStandStillDuringASessionAndMoveAfterIt();
    void startsTheEditorBesideTheProgramOrNothing();
    void exitEndsTheEventLoop();  // last: it ends every event loop of the test
};

void MenuTest::opensWithContinueDisabledAndTheDefaultOptions() {
    MenuWorld world;
    world.addPictures();
    world.game->settings = {false, true, 1, 7};
    world.game->session.paused = true;
    auto menu = world.makeMenu();

    QCOMPARE(menu->windowTitle(), QStringLiteral("DX Orbo"));
    QCOMPARE(menu->size(), QSize(593, 379));
    QVERIFY(!(menu->windowFlags() & Qt::WindowMaximizeButtonHint));
    const std::pair<const char*, QString> captions[] = {
        {"Command1", QStringLiteral("Новая игра")}, {"Command5", QStringLiteral("Продолжить Игру")},
        {"Command6", QStringLiteral("Опции игры")}, {"Command3", QStringLiteral("Помощь")},
        {"Command4", QStringLiteral("Редактор карт")}, {"Command2", QStringLiteral("Выход")},
    };
    for (const auto& [name, caption] : captions) {
        QCOMPARE(button(*menu, name)->text(), caption);
        QCOMPARE(button(*menu, name)->isEnabled(), caption != QStringLiteral("Продолжить Игру"));
    }

    QCOMPARE(world.game->settings.soundOn, true);
    QCOMPARE(world.game->settings.musicOn, false);
    QCOMPARE(world.game->settings.smartCops, 0);
    QCOMPARE(world.game->settings.speed, 2);
    QCOMPARE(world.game->session.paused, false);
    QVERIFY(world.messages.isEmpty());
    for (const char* name : {"Коп1", "Орбо", "Коп2"}) QVERIFY(figure(*menu, name)->pixmap().isNull());
    QVERIFY(timer(*menu, "Timer1")->isActive() && timer(*menu, "Timer2")->isActive());
}

// Continue is offered after a new game left with Esc, and keeps its state after
// a continued game, even one lost: pressing it then starts afresh.
void MenuTest::continueFollowsHowTheLastNewGameEnded() {
    MenuWorld world;
    world.addPictures();
    world.game->progress.canContinue = true;  // a new game never resumes an earlier copy
    const std::vector<void (*)(Game&)> endings{leaveWithEsc, loseLastLife, leaveWithEsc, loseLastLife};
    std::vector<bool> resumed;
    bool quietDuringSessions = true;
    std::unique_ptr<Form2> menu;
    menu = world.makeMenu([&](Game& game) {
        resumed.push_back(game.progress.canContinue);
        quietDuringSessions = quietDuringSessions && !menu->isEnabled() && !timer(*menu, "Timer1")->isActive() &&
                              !timer(*menu, "Timer2")->isActive();
        endings.at(resumed.size() - 1)(game);
    });
    QPushButton& newGame = *button(*menu, "Command1");
    QPushButton& resume = *button(*menu, "Command5");

    newGame.click();
    QVERIFY(resume.isEnabled());
    resume.click();
    QVERIFY2(resume.isEnabled(), "a continued game leaves the button as it was");
    resume.click();
    QVERIFY(resume.isEnabled());
    newGame.click();
    QVERIFY(!resume.isEnabled());

    QCOMPARE(resumed, (std::vector<bool>{false, true, false, false}));
    QVERIFY(quietDuringSessions);
    QVERIFY(menu->isEnabled());
    QVERIFY(timer(*menu, "Timer1")->isActive() && timer(*menu, "Timer2")->isActive());
}

void MenuTest::menuIgnoresClicksDuringASession() {
    MenuWorld world;
    world.addPictures();
    int calls = 0;
    bool closed = true;
    std::unique_ptr<Form2> menu;
    menu = world.makeMenu([&](Game& game) {
        ++calls;
        for (const char* name : {"Command1", "Command5", "Command6", "Command3", "Command2"}) {
            QTest::mouseClick(button(*menu, name), Qt::LeftButton);
            button(*menu, name)->click();
        }
        closed = menu->close();
        leaveWithEsc(game);
    });
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));

    button(*menu, "Command1")->click();

    QCOMPARE(calls, 1);
    QVERIFY2(!closed, "the menu cannot be closed under a running session");
    QVERIFY(world.messages.isEmpty());
    QVERIFY(world.game->progress.canContinue);
    QVERIFY(menu->isVisible());
}

void MenuTest::helpShowsTheEightKeyLines() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();

    button(*menu, "Command3")->click();

    QCOMPARE(world.messages.size(), 1);
    QCOMPARE(world.messages.front().split(QLatin1Char('\n')),
             (QStringList{"Клавиши управления игрой", "Esc-выход из игры", "F1-помощь в игре",
                          "Стрелки-передвижение юнита", "q-выстрел влево", "w-выстрел вправо",
                          "f-кадров в секунду", "r-новый игрок"}));
    QCOMPARE(world.icons.front(), MessageIcon::None);
}

void MenuTest::figuresFlipOnEachTimerReadingTheFilesAfresh() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();
    const QColor hero(255, 255, 255), hero1(0, 0, 255), cop(0, 128, 0), cop1(128, 0, 128);
    auto shown = [&](const char* name) { return middleOf(figure(*menu, name)->pixmap().toImage()); };

    menu->Timer1Timer();
    QCOMPARE(shown("Орбо"), hero);
    QCOMPARE(shown("Коп1"), cop1);
    QCOMPARE(shown("Коп2"), cop);

    menu->Timer2Timer();
    QCOMPARE(shown("Орбо"), hero1);
    QCOMPARE(shown("Коп1"), cop);
    QCOMPARE(shown("Коп2"), cop1);

    // Nothing is kept between ticks: a changed file shows at the next one.
    writePicture(world.graphics() / "снеговик.bmp", QColor(255, 200, 0), {50, 47});
    menu->Timer1Timer();
    QCOMPARE(shown("Орбо"), QColor(255, 200, 0));

    // The game's own sprites are bigger than the boxes: seen whole, shrunk to fit.
    writePicture(world.graphics() / "коп.bmp", QColor(0, 128, 0), {64, 50});
    menu->Timer1Timer();
    QCOMPARE(figure(*menu, "Коп2")->pixmap().size(), QSize(50, 39));

    // A missing picture leaves its box empty, without a word.
    std::filesystem::remove(world.graphics() / "коп1.bmp");
    menu->Timer1Timer();
    QVERIFY(figure(*menu, "Коп1")->pixmap().isNull());
    QVERIFY(world.messages.isEmpty());
}

void MenuTest::figuresStandStillDuringASessionAndMoveAfterIt() {
    MenuWorld world;
    world.addPictures();
    bool stillDuringSession = false;
    std::unique_ptr<Form2> menu;
    menu = world.makeMenu([&](Game& game) {
        // The session lets window messages through while it runs.
        QTest::qWait(450);
        stillDuringSession = figure(*menu, "Орбо")->pixmap().isNull() && figure(*menu, "Коп1")->pixmap().isNull();
        leaveWithEsc(game);
    });

    button(*menu, "Command1")->click();

    QVERIFY(stillDuringSession);
    QVERIFY(QTest::qWaitFor([&] { return !figure(*menu, "Орбо")->pixmap().isNull(); }, 10000));
    QVERIFY(!figure(*menu, "Коп2")->pixmap().isNull());
}

void MenuTest::startsTheEditorBesideTheProgramOrNothing() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();
    button(*menu, "Command4")->click();  // no editor there: nothing happens
    QVERIFY(world.messages.isEmpty());
    QVERIFY(menu->isEnabled());

    const auto editor = world.dir.path() / "Редактор";
    const auto started = world.dir.path() / "started";
    std::ofstream(editor) << "#!/bin/sh\necho \"$PWD\" > \"$(dirname \"$0\")/started\"\n";
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    button(*menu, "Command4")->click();

    QVERIFY(QTest::qWaitFor(
        [&] {
            std::error_code notYet;
            return std::filesystem::file_size(started, notYet) > 0 && !notYet;
        },
        10000));
    std::string folder;
    std::getline(std::ifstream(started), folder);
    QCOMPARE(std::filesystem::path(folder), world.dir.path());
    QVERIFY(world.messages.isEmpty());
}

void MenuTest::exitEndsTheEventLoop() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));

    QEventLoop loop;
    QTimer::singleShot(0, [&] { button(*menu, "Command2")->click(); });
    QTimer::singleShot(20000, [&] { loop.exit(99); });  // a bound in case nothing ends it
    QCOMPARE(loop.exec(), 0);
    QVERIFY(!menu->isVisible());
}

}  // namespace orbo::test

QTEST_MAIN(orbo::test::MenuTest)
#include "MenuTest.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <array>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "game/frontend/MainMenu.h"
#include "game/frontend/MenuMessages.h"
#include "game/frontend/MenuPad.h"
#include "game/frontend/OptionsDialog.h"
#include "game/frontend/PictureFiles.h"
#include "game/platform/VirtualPad.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/Pictures.h"
#include "tests/support/ProgramFolder.h"

namespace orbo::test {
namespace {

void writePicture(const std::filesystem::path& file, QColor colour, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QImageWriter writer(qtPath(file), file.extension() == ".jpg" ? "jpeg" : "bmp");
    if (!writer.write(picture)) qFatal("FrontendTest.cpp: cannot write the test picture %s", qPrintable(qtPath(file)));
}

std::string firstLine(const std::filesystem::path& file) {
    std::string line;
    std::getline(std::ifstream(file), line);
    return line;
}

std::filesystem::path bmpFor(std::filesystem::path jpeg) { return jpeg.replace_extension(".bmp"); }

QString line(const char* text, const std::filesystem::path& file) { return QString::fromUtf8(text) + qtPath(file); }

template <typename Widget = QWidget>
Widget* child(QWidget& parent, const char* name) {
    return parent.findChild<Widget*>(QString::fromUtf8(name));
}

QImage figure(QWidget& menu, const char* name) { return child<QLabel>(menu, name)->pixmap().toImage(); }

// A program folder holding the 52 JPEG sources and the four figures, the game on
// a fake machine, and the messages the menu showed instead of message boxes.
struct MenuWorld : test::FakeGame {
    MenuWorld() {
        std::filesystem::create_directories(graphics);
        sources.push_back(graphics / "заставка.jpg");
        writePicture(sources.back(), QColor(200, 30, 30), {320, 200});
        for (int frame = 0; frame <= 100; frame += 2) {
            sources.push_back(graphics / QStringLiteral("Чайник%1.jpg").arg(frame, 4, 10, QChar('0')).toStdString());
            writePicture(sources.back(), QColor(2 * frame, 100, 250 - 2 * frame), {61, 42});
        }
        for (int hue = 0; const char* name : {"снеговик.bmp", "снеговик1.bmp", "коп.bmp", "коп1.bmp"}) {
            writePicture(graphics / name, QColor::fromHsv(90 * hue++, 255, 255), {50, 47});
        }
    }

    std::unique_ptr<MainMenu> makeMenu(MainMenu::Session session = [](Game&) {}) {
        return std::make_unique<MainMenu>(*game, dir.path(), std::move(session),
                                          [this](const QString& text, MessageIcon icon) {
                                              messages << text;
                                              icons.push_back(icon);
                                          });
    }

    // The four options as (sound, music, smart cops, speed).
    std::tuple<bool, bool, int, int> options() const {
        const GameSettings& settings = game->settings;
        return {settings.soundOn, settings.musicOn, settings.smartCops, settings.speed};
    }

    bool shows(QWidget& menu, const char* name, const char* file) const {
        return figure(menu, name) == QImage(qtPath(graphics / file));
    }

    std::filesystem::path graphics = dir.path() / "графика";
    std::vector<std::filesystem::path> sources;  // the splash, then the kettle frames 0, 2, ..., 100
    QStringList messages;
    std::vector<MessageIcon> icons;
};

// What the three figure boxes show from a moment on, in the order cop, hero, cop.
struct FigureMoment {
    int ms;
    std::array<QImage, 3> shown;
};

// Plays the menu's two figure timers on a virtual clock for two seconds as the
// event loop would: a timer falls due an interval after it was started or last
// fired, a single-shot one once per start; timers due at the same moment fire in
// the order given.
std::vector<FigureMoment> playFigureTimers(MainMenu& menu, const std::array<const char*, 2>& order) {
    struct Pending {
        QTimer* timer;
        std::optional<int> due;
    };
    std::vector<Pending> timers;
    for (const char* name : order) {
        QTimer* timer = child<QTimer>(menu, name);
        timers.push_back({timer, timer->isActive() ? std::optional(timer->interval()) : std::nullopt});
    }
    std::vector<FigureMoment> moments;
    for (;;) {
        std::optional<int> now;
        for (const Pending& p : timers)
            if (p.due && (!now || *p.due < *now)) now = p.due;
        if (!now || *now > 2000) return moments;
        for (Pending& firing : timers) {
            if (firing.due != now) continue;
            // A timer active once the tick is over was (re)started by it.
            for (const Pending& p : timers) p.timer->stop();
            firing.due = firing.timer->isSingleShot() ? std::nullopt : std::optional(*now + firing.timer->interval());
            QMetaObject::invokeMethod(firing.timer, "timeout");
            for (Pending& p : timers)
                if (p.timer->isActive()) p.due = *now + p.timer->interval();
        }
        moments.push_back({*now, {figure(menu, "copFigure1"), figure(menu, "heroFigure"), figure(menu, "copFigure2")}});
    }
}

// The options dialog's controls in the order of MenuWorld::options().
std::tuple<bool, bool, int, int> shown(OptionsDialog& dialog) {
    return {child<QCheckBox>(dialog, "soundBox")->isChecked(), child<QCheckBox>(dialog, "musicBox")->isChecked(),
            child<QRadioButton>(dialog, "smartCopsButton")->isChecked() ? 1 : 0,
            child<QScrollBar>(dialog, "speedBar")->value()};
}

// Presses "Опции игры" and acts on the modal dialog while it is up. The dialog is
// rejected afterwards if the actions left it open, so a failed check cannot hang the test.
void withOptions(MainMenu& menu, const std::function<void(OptionsDialog&)>& act) {
    bool acted = false;
    QTimer::singleShot(0, &menu, [&] {
        OptionsDialog* dialog = menu.findChild<OptionsDialog*>();
        if (dialog && dialog->isVisible()) {
            acted = true;
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        }
    });
    child<QPushButton>(menu, "optionsButton")->click();
    QVERIFY2(acted, "the options dialog did not come up");
}

// A virtual pad plugged in, on which buttons are tapped between two readings of
// the menu's pad.
class TappedPad {
public:
    explicit TappedPad(MenuPad& reader) : reader_(reader) {
        if (!pad_.attached()) qFatal("FrontendTest.cpp: no virtual pad: %s", SDL_GetError());
        reader_.poll();  // opens it
    }
    void tap(std::initializer_list<SDL_GameControllerButton> buttons) {
        for (const SDL_GameControllerButton button : buttons) {
            pad_.hold(button, true);
            reader_.poll();
            pad_.hold(button, false);
            reader_.poll();
        }
    }

private:
    MenuPad& reader_;
    sdl::VirtualPad pad_;
};

QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

}  // namespace

class FrontendTest : public QObject {
    Q_OBJECT

private slots:
    void menuShowsItsTextsAndSetsTheDefaultOptions();
    void continueFollowsHowTheLastNewGameEnded();
    void figuresFlipOnEachTimerFromPicturesReadOnce();
    void figuresKeepMovingWhicheverTimerIsServedFirst();
    void editorStartsInTheProgramFolderOrItsAbsenceIsTold();
    void optionsOkWritesEveryChoiceMadeFromTheFirstState();
    void optionsKeepTheirStateUntilTheCloseBoxResetsThem();
    void picturesAreConvertedAndTheUnreadableOnesReported();
    void missingGraphicsFolderIsOneMessage();
    void manyFailedPicturesAreCountedWithTheListInTheDetails();
    void readOnlyInstallReportsOnlyTheBmpsItLacks();
    void aPadMovesThroughTheMenuAndStartsAGame();
    void aPadSetsTheOptionsAndClosesTheDialog();
};

void FrontendTest::menuShowsItsTextsAndSetsTheDefaultOptions() {
    MenuWorld world;
    world.game->settings = {false, true, 1, 7};
    auto menu = world.makeMenu();

    QCOMPARE(menu->windowTitle(), QStringLiteral("DX Orbo"));
    const std::pair<const char*, const char*> captions[] = {
        {"newGameButton", "Новая игра"}, {"continueButton", "Продолжить Игру"}, {"optionsButton", "Опции игры"},
        {"helpButton", "Помощь"},        {"editorButton", "Редактор карт"},     {"exitButton", "Выход"},
    };
    for (const auto& [name, caption] : captions) QCOMPARE(child<QPushButton>(*menu, name)->text(), caption);
    QVERIFY(!child(*menu, "continueButton")->isEnabled());
    QCOMPARE(world.options(), std::tuple(true, false, 0, 2));
    QVERIFY(QTest::qWaitFor([&] { return !figure(*menu, "heroFigure").isNull(); }));  // the figures move from the start

    child<QPushButton>(*menu, "helpButton")->click();
    const QStringList help{"Клавиши управления игрой",   "Esc-выход из игры", "F1-помощь в игре",
                           "Стрелки-передвижение юнита", "q-выстрел влево",   "w-выстрел вправо",
                           "f-кадров в секунду",         "r-новый игрок"};
    QCOMPARE(world.messages, QStringList{help.join('\n')});
    QCOMPARE(world.icons, std::vector{MessageIcon::None});
}

// Continue is offered after a new game left with Esc and withdrawn after a new game
// lost; a continued game leaves it as it was, even one lost, and pressing it then
// starts afresh. While a session runs the menu stands still and refuses every click.
void FrontendTest::continueFollowsHowTheLastNewGameEnded() {
    MenuWorld world;
    bool leftWithEsc = false, refused = false, stood = false;
    std::vector<bool> resumed;
    std::unique_ptr<MainMenu> menu;
    menu = world.makeMenu([&](Game& game) {
        resumed.push_back(game.progress.canContinue);
        if (resumed.size() == 1) {
            for (const char* name : {"newGameButton", "continueButton", "helpButton", "exitButton"}) {
                child<QPushButton>(*menu, name)->click();
            }
            refused = !menu->close();
            QTest::qWait(450);  // the session lets window messages through while it runs
            stood = figure(*menu, "heroFigure").isNull() && figure(*menu, "copFigure1").isNull();
        }
        game.progress.canContinue = leftWithEsc;
    });
    auto* newGame = child<QPushButton>(*menu, "newGameButton");
    auto* resume = child<QPushButton>(*menu, "continueButton");

    const std::tuple<QPushButton*, bool, bool> steps[] = {
        {newGame, true, true}, {resume, false, true}, {resume, true, true}, {newGame, false, false}};
    for (const auto& [press, escaped, offered] : steps) {
        leftWithEsc = escaped;
        press->click();
        QCOMPARE(resume->isEnabled(), offered);
    }
    QCOMPARE(resumed, (std::vector{false, true, false, false}));
    QVERIFY(refused && stood && world.messages.isEmpty());
    QVERIFY(QTest::qWaitFor([&] { return !figure(*menu, "heroFigure").isNull(); }));
}

void FrontendTest::figuresFlipOnEachTimerFromPicturesReadOnce() {
    MenuWorld world;
    auto menu = world.makeMenu();
    menu->showFirstFigureFrames();
    QVERIFY(world.shows(*menu, "copFigure1", "коп1.bmp") && world.shows(*menu, "heroFigure", "снеговик.bmp") &&
            world.shows(*menu, "copFigure2", "коп.bmp"));
    menu->showSecondFigureFrames();
    QVERIFY(world.shows(*menu, "copFigure1", "коп.bmp") && world.shows(*menu, "heroFigure", "снеговик1.bmp") &&
            world.shows(*menu, "copFigure2", "коп1.bmp"));

    // The pictures are read once and kept; what changes on disk shows from the next start.
    const QImage cop = figure(*menu, "copFigure1");
    const QImage cop1 = figure(*menu, "copFigure2");
    std::filesystem::remove(world.graphics / "коп1.bmp");
    writePicture(world.graphics / "коп.bmp", Qt::green, {64, 50});
    menu->showFirstFigureFrames();
    QVERIFY(figure(*menu, "copFigure1") == cop1 && figure(*menu, "copFigure2") == cop);

    // A missing picture empties its box without a word; the game's own sprites,
    // bigger than the boxes, are shrunk to be seen whole.
    menu.reset();
    menu = world.makeMenu();
    menu->showFirstFigureFrames();
    QVERIFY(figure(*menu, "copFigure1").isNull());
    QCOMPARE(figure(*menu, "copFigure2").size(), QSize(50, 39));
    QVERIFY(world.messages.isEmpty());
}

// When both timers fall due at once, the event loop may serve either first; the
// second must not wipe out the first one's pictures. Every figure flips, each
// picture staying up for one or two of the faster timer's ticks, and the cops
// always show opposite pictures.
void FrontendTest::figuresKeepMovingWhicheverTimerIsServedFirst() {
    for (const auto& order :
         {std::array{"firstFigureTimer", "secondFigureTimer"}, std::array{"secondFigureTimer", "firstFigureTimer"}}) {
        MenuWorld world;
        auto menu = world.makeMenu();
        const std::vector<FigureMoment> moments = playFigureTimers(*menu, order);
        QVERIFY(moments.size() > 1);
        for (std::size_t box = 0; box < 3; ++box) {
            int shownSince = moments.front().ms;
            for (std::size_t i = 1; i < moments.size(); ++i) {
                if (moments[i].shown[box] == moments[i - 1].shown[box]) continue;
                const int held = moments[i].ms - shownSince;
                QVERIFY2(held >= 100 && held <= 200,
                         qPrintable(QStringLiteral("box %1 held %2 ms").arg(box).arg(held)));
                shownSince = moments[i].ms;
            }
            QVERIFY2(moments.back().ms - shownSince < 200,
                     qPrintable(QStringLiteral("box %1 stopped moving").arg(box)));
        }
        for (const FigureMoment& moment : moments) QVERIFY(moment.shown[0] != moment.shown[2]);
    }
}

void FrontendTest::editorStartsInTheProgramFolderOrItsAbsenceIsTold() {
    MenuWorld world;
    auto menu = world.makeMenu();
    const auto editor = world.dir.path() / "Редактор";
    child<QPushButton>(*menu, "editorButton")->click();
    QCOMPARE(world.messages, QStringList{line("Фаил не найден ", editor)});
    world.messages.clear();

    const auto started = world.dir.path() / "started";
    std::ofstream(editor) << "#!/bin/sh\npwd > \"${0%/*}/started\"\n";
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    child<QPushButton>(*menu, "editorButton")->click();

    QVERIFY(QTest::qWaitFor([&] { return !firstLine(started).empty(); }, 10000));
    QCOMPARE(std::filesystem::path(firstLine(started)), world.dir.path());
    QVERIFY(world.messages.isEmpty());
}

void FrontendTest::optionsOkWritesEveryChoiceMadeFromTheFirstState() {
    MenuWorld world;
    auto menu = world.makeMenu();
    const QImage splash(qtPath(world.sources.front()));

    withOptions(*menu, [&](OptionsDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Опции"));
        QCOMPARE(child<QGroupBox>(dialog, "copsGroup")->title(), QStringLiteral("Интелект компьютера"));
        const std::pair<const char*, const char*> captions[] = {
            {"soundBox", "Звук"},
            {"musicBox", "Музыка  (может не работать !!!)"},
            {"dumbCopsButton", "Тупой"},
            {"smartCopsButton", "Умный"},
            {"speedLabel", "Скорость игры"},
            {"okButton", "Окей"},
        };
        for (const auto& [name, caption] : captions) QCOMPARE(child(dialog, name)->property("text"), caption);
        // Right of the frame and above the button no control covers the splash.
        QCOMPARE(dialog.grab().toImage().pixelColor(300, 100), splash.pixelColor(300, 100));
        QCOMPARE(shown(dialog), std::tuple(true, false, 0, 2));

        for (const char* name : {"soundBox", "musicBox", "smartCopsButton"})
            child<QAbstractButton>(dialog, name)->click();
        // Right and up mean faster, and the bar holds at 1 and 7.
        QScrollBar& speed = *child<QScrollBar>(dialog, "speedBar");
        speed.setFocus();
        const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Right, 3}, {Qt::Key_Left, 2},  {Qt::Key_Left, 1},
                                                {Qt::Key_Left, 1},  {Qt::Key_Up, 2},    {Qt::Key_PageUp, 3},
                                                {Qt::Key_End, 7},   {Qt::Key_Right, 7}, {Qt::Key_Down, 6}};
        for (const auto& [key, value] : keys) {
            QTest::keyClick(&speed, key);
            QCOMPARE(speed.value(), value);
        }
        child<QPushButton>(dialog, "okButton")->click();
    });
    QCOMPARE(world.options(), std::tuple(false, true, 1, 6));
}

void FrontendTest::optionsKeepTheirStateUntilTheCloseBoxResetsThem() {
    MenuWorld world;
    auto menu = world.makeMenu();
    withOptions(*menu, [](OptionsDialog& dialog) {
        for (const char* name : {"musicBox", "smartCopsButton", "okButton"})
            child<QAbstractButton>(dialog, name)->click();
    });
    world.game->settings = {false, false, 0, 3};

    withOptions(*menu, [](OptionsDialog& dialog) {
        QCOMPARE(shown(dialog), std::tuple(true, true, 1, 2));
        child<QScrollBar>(dialog, "speedBar")->setValue(5);
        QVERIFY(dialog.close());
    });
    QCOMPARE(world.options(), std::tuple(false, false, 0, 3));
    withOptions(*menu, [](OptionsDialog& dialog) { QCOMPARE(shown(dialog), std::tuple(true, false, 0, 2)); });
}

// Old BMP files are replaced; a JPEG that is missing or broken costs only its own
// picture, and both are told in one message.
void FrontendTest::picturesAreConvertedAndTheUnreadableOnesReported() {
    MenuWorld world;
    const auto missing = world.sources.at(26);
    const auto broken = world.sources.at(2);
    std::filesystem::remove(missing);
    std::ofstream(bmpFor(missing)) << "kept";
    std::ofstream(broken) << "not a picture";
    std::ofstream(bmpFor(world.sources.front())) << "stale";

    auto menu = world.makeMenu();

    QCOMPARE(world.messages,
             QStringList{line("Не удалось прочитать рисунок ", broken) + '\n' + line("Фаил не найден ", missing)});
    QCOMPARE(world.icons, std::vector{MessageIcon::Critical});
    for (const auto& jpeg : world.sources) {
        if (jpeg == missing || jpeg == broken) continue;
        QVERIFY2(QImage(qtPath(bmpFor(jpeg)), "BMP") == QImage(qtPath(jpeg)), qPrintable(qtPath(jpeg)));
    }
    QCOMPARE(firstLine(bmpFor(missing)), "kept");
    QVERIFY(!std::filesystem::exists(bmpFor(broken)));
    QCOMPARE(figure(*menu, "splash"), QImage(qtPath(world.sources.front())));
}

void FrontendTest::missingGraphicsFolderIsOneMessage() {
    MenuWorld world;
    std::filesystem::remove_all(world.graphics);
    auto menu = world.makeMenu();
    QCOMPARE(world.messages, QStringList{line("Путь не найден ", world.graphics)});
    QCOMPARE(world.options(), std::tuple(true, false, 0, 2));
}

// Fifty failed pictures make a message taller than the screen: a count, with the
// list behind the box's details. A header claiming more than the screen is
// refused unread and named for what it is.
void FrontendTest::manyFailedPicturesAreCountedWithTheListInTheDetails() {
    MenuWorld world;
    QStringList expected;
    for (std::size_t i = 0; i < world.sources.size(); ++i) {
        const auto& jpeg = world.sources[i];
        if (i == 1) {
            writeFile(jpeg, oversizedPicture());
            expected << line("Рисунок больше экрана ", jpeg);
        } else if (i > 1) {
            std::filesystem::remove(jpeg);
            expected << line("Фаил не найден ", jpeg);
        }
    }
    world.makeMenu();
    QCOMPARE(world.messages.size(), 1);
    const BoxText box = boxText(world.messages.front());
    QCOMPARE(box.text, QStringLiteral("Не удалось подготовить рисунков: 51. Игра пойдёт без них."));
    QCOMPARE(box.details, expected.join('\n'));

    const QString few = pictureProblemsMessage(expected.mid(0, 3));
    QCOMPARE(few, expected.mid(0, 3).join('\n'));
    QCOMPARE(boxText(few).text, few);
    QVERIFY(boxText(few).details.isEmpty());
}

// A read-only install that shipped one BMP uses it as it is and reports only the
// others. A file size limit of nothing fails every write, whoever the user is.
void FrontendTest::readOnlyInstallReportsOnlyTheBmpsItLacks() {
    MenuWorld world;
    const auto shipped = bmpFor(world.sources.at(3));
    std::ofstream(shipped) << "shipped";
    QStringList unwritten;
    for (const auto& jpeg : world.sources) {
        if (bmpFor(jpeg) != shipped) unwritten << line("Не удалось записать рисунок ", bmpFor(jpeg));
    }
    rlimit writable{};
    getrlimit(RLIMIT_FSIZE, &writable);
    const rlimit none{0, writable.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &none);
    world.makeMenu();
    setrlimit(RLIMIT_FSIZE, &writable);

    QCOMPARE(world.messages.size(), 1);
    QCOMPARE(boxText(world.messages.front()).details, unwritten.join('\n'));
    QCOMPARE(firstLine(shipped), "shipped");
}

void FrontendTest::aPadMovesThroughTheMenuAndStartsAGame() {
    MenuWorld world;
    int sessions = 0;
    auto menu = world.makeMenu([&](Game&) { ++sessions; });
    menu->show();
    QApplication::setActiveWindow(menu.get());
    MenuPad reader(menu.get());
    TappedPad pad(reader);
    const auto down = SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    const auto up = SDL_CONTROLLER_BUTTON_DPAD_UP;
    QCOMPARE(focusName(), QStringLiteral("newGameButton"));
    pad.tap({down});
    QCOMPARE(focusName(), QStringLiteral("optionsButton"));  // past the disabled continue button
    pad.tap({down, down, down});
    QCOMPARE(focusName(), QStringLiteral("exitButton"));
    pad.tap({up, up, up, up});
    QCOMPARE(focusName(), QStringLiteral("newGameButton"));
    pad.tap({SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_Y});
    QCOMPARE(sessions, 0);
    pad.tap({SDL_CONTROLLER_BUTTON_A});
    QCOMPARE(sessions, 1);
}

// Up and down move between the controls, left and right choose, A presses, B is Esc.
void FrontendTest::aPadSetsTheOptionsAndClosesTheDialog() {
    MenuWorld world;
    auto menu = world.makeMenu();
    MenuPad reader(menu.get());
    TappedPad pad(reader);
    const auto down = SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    const auto right = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    const auto a = SDL_CONTROLLER_BUTTON_A;
    const auto padInOptions = [&](std::initializer_list<SDL_GameControllerButton> buttons) {
        withOptions(*menu, [&](OptionsDialog& dialog) {
            QApplication::setActiveWindow(&dialog);  // as a window manager would
            pad.tap(buttons);
            QVERIFY(!dialog.isVisible());
        });
    };
    // Sound off, music on, smart cops, speed 3, "Окей".
    padInOptions({a, down, a, down, right, down, down, right, SDL_CONTROLLER_BUTTON_DPAD_UP, a});
    QCOMPARE(world.options(), std::tuple(false, true, 1, 3));
    world.game->settings = {true, false, 0, 2};
    padInOptions({a, down, SDL_CONTROLLER_BUTTON_B});
    QCOMPARE(world.options(), std::tuple(true, false, 0, 2));  // B closed it as Esc does
}

}  // namespace orbo::test

QTEST_MAIN(orbo::test::FrontendTest)
#include "FrontendTest.moc"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "game/frontend/form3.h"
#include "tests/frontend/MenuWorld.h"

namespace orbo::test {
namespace {

template <typename Control>
Control* control(QWidget& dialog, const char* name) {
    return dialog.findChild<Control*>(QString::fromUtf8(name));
}

// Presses "Опции игры" and acts on the modal dialog while it is up. The dialog
// is rejected afterwards if the actions left it open, so a failed check cannot
// hang the test.
void withOptions(Form2& menu, const std::function<void(form3&)>& act) {
    bool acted = false;
    QTimer::singleShot(0, &menu, [&] {
        form3* dialog = menu.findChild<form3*>();
        if (dialog && dialog->isVisible()) {
            acted = true;
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        }
    });
    menu.findChild<QPushButton*>(QStringLiteral("Command6"))->click();
    QVERIFY2(acted, "the options dialog did not come up");
}

void pressOk(form3& dialog) { control<QPushButton>(dialog, "Command1")->click(); }

struct Choices {
    bool sound;
    bool music;
    bool smart;
    int speed;
};

Choices shown(form3& dialog) {
    return {control<QCheckBox>(dialog, "Check1")->isChecked(), control<QCheckBox>(dialog, "Check2")->isChecked(),
            control<QRadioButton>(dialog, "Option2")->isChecked(), control<QScrollBar>(dialog, "HScroll1")->value()};
}

// Green text somewhere on a mostly black ground.
bool hasGreenOnBlack(QWidget& widget) {
    const QImage picture = widget.grab().toImage();
    int green = 0;
    int black = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor colour = picture.pixelColor(x, y);
            green += colour == QColor(0, 255, 0);
            black += colour == QColor(Qt::black);
        }
    }
    return green > 0 && black > picture.width() * picture.height() / 2;
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    void opensInItsFirstStateAndOkAtOnceWritesTheDefaults();
    void okWritesEveryChoiceAndTheDialogKeepsItsState();
    void closeBoxForgetsTheChoicesAndLeavesTheSettings();
    void scrollBarMovesWithTheKeysWithinOneToSeven();
    void backgroundIsTheSplashOrNothing();
};

void OptionsTest::opensInItsFirstStateAndOkAtOnceWritesTheDefaults() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();
    world.game->settings = {false, true, 1, 6};

    withOptions(*menu, [](form3& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Опции"));
        QCOMPARE(dialog.size(), QSize(312, 213));
        QCOMPARE(control<QCheckBox>(dialog, "Check1")->text(), QStringLiteral("Звук"));
        QCOMPARE(control<QCheckBox>(dialog, "Check2")->text(), QStringLiteral("Музыка  (может не работать !!!)"));
        QCOMPARE(control<QGroupBox>(dialog, "Frame1")->title(), QStringLiteral("Интелект компьютера"));
        QCOMPARE(control<QRadioButton>(dialog, "Option1")->text(), QStringLiteral("Тупой"));
        QCOMPARE(control<QRadioButton>(dialog, "Option2")->text(), QStringLiteral("Умный"));
        QCOMPARE(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("Скорость игры"));
        QCOMPARE(control<QPushButton>(dialog, "Command1")->text(), QStringLiteral("Окей"));
        for (const char* name : {"Check1", "Check2", "Frame1", "Option1", "Label1"}) {
            QVERIFY2(hasGreenOnBlack(*control<QWidget>(dialog, name)), name);
        }
        const Choices choices = shown(dialog);
        QVERIFY(choices.sound && !choices.music && !choices.smart);
        QCOMPARE(choices.speed, 2);
        pressOk(dialog);
    });

    QCOMPARE(world.game->settings.soundOn, true);
    QCOMPARE(world.game->settings.musicOn, false);
    QCOMPARE(world.game->settings.smartCops, 0);
    QCOMPARE(world.game->settings.speed, 2);
}

void OptionsTest::okWritesEveryChoiceAndTheDialogKeepsItsState() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();

    withOptions(*menu, [](form3& dialog) {
        control<QCheckBox>(dialog, "Check1")->click();
        control<QCheckBox>(dialog, "Check2")->click();
        control<QRadioButton>(dialog, "Option2")->click();
        control<QScrollBar>(dialog, "HScroll1")->setValue(7);
        pressOk(dialog);
    });
    QCOMPARE(world.game->settings.soundOn, false);
    QCOMPARE(world.game->settings.musicOn, true);
    QCOMPARE(world.game->settings.smartCops, 1);
    QCOMPARE(world.game->settings.speed, 7);

    world.game->settings = {true, false, 0, 2};
    withOptions(*menu, [](form3& dialog) {
        const Choices choices = shown(dialog);
        QVERIFY(!choices.sound && choices.music && choices.smart);
        QCOMPARE(choices.speed, 7);
        control<QRadioButton>(dialog, "Option1")->click();
        pressOk(dialog);
    });
    QCOMPARE(world.game->settings.soundOn, false);
    QCOMPARE(world.game->settings.musicOn, true);
    QCOMPARE(world.game->settings.smartCops, 0);
    QCOMPARE(world.game->settings.speed, 7);
}

void OptionsTest::closeBoxForgetsTheChoicesAndLeavesTheSettings() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();
    withOptions(*menu, [](form3& dialog) {
        control<QRadioButton>(dialog, "Option2")->click();
        pressOk(dialog);
    });

    withOptions(*menu, [](form3& dialog) {
        control<QCheckBox>(dialog, "Check1")->click();
        control<QScrollBar>(dialog, "HScroll1")->setValue(5);
        QVERIFY(dialog.close());
    });
    QCOMPARE(world.game->settings.smartCops, 1);
    QCOMPARE(world.game->settings.soundOn, true);
    QCOMPARE(world.game->settings.speed, 2);

    withOptions(*menu, [](form3& dialog) {
        const Choices choices = shown(dialog);
        QVERIFY2(choices.sound && !choices.music && !choices.smart, "a closed dialog opens in its first state");
        QCOMPARE(choices.speed, 2);
    });
    QCOMPARE(world.game->settings.smartCops, 1);
}

void OptionsTest::scrollBarMovesWithTheKeysWithinOneToSeven() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();
    withOptions(*menu, [&](form3& dialog) {
        QScrollBar& bar = *control<QScrollBar>(dialog, "HScroll1");
        QCOMPARE(bar.minimum(), 1);
        QCOMPARE(bar.maximum(), 7);
        bar.setFocus();
        QTest::keyClick(&bar, Qt::Key_Right);
        QCOMPARE(bar.value(), 3);
        QTest::keyClick(&bar, Qt::Key_Left);
        QTest::keyClick(&bar, Qt::Key_Left);
        QCOMPARE(bar.value(), 1);
        QTest::keyClick(&bar, Qt::Key_Left);
        QCOMPARE(bar.value(), 1);
        QTest::keyClick(&bar, Qt::Key_PageDown);
        QCOMPARE(bar.value(), 1);
        QTest::keyClick(&bar, Qt::Key_PageUp);
        QCOMPARE(bar.value(), 2);
        QTest::keyClick(&bar, Qt::Key_End);
        QTest::keyClick(&bar, Qt::Key_Right);
        QCOMPARE(bar.value(), 7);
        pressOk(dialog);
    });
    QCOMPARE(world.game->settings.speed, 7);
}

void OptionsTest::backgroundIsTheSplashOrNothing() {
    MenuWorld world;
    world.addPictures();
    auto menu = world.makeMenu();
    // Right of the frame, above the button, no control covers the dialog.
    const QPoint open(300, 100);
    withOptions(*menu, [&](form3& dialog) {
        QVERIFY(nearly(dialog.grab().toImage().pixelColor(open), QColor(200, 30, 30)));
        dialog.close();
    });

    std::filesystem::remove(world.graphics() / "заставка.jpg");
    withOptions(*menu, [&](form3& dialog) {
        QVERIFY(!nearly(dialog.grab().toImage().pixelColor(open), QColor(200, 30, 30)));
        pressOk(dialog);
    });
    QVERIFY(world.messages.isEmpty());
}

}  // namespace orbo::test

QTEST_MAIN(orbo::test::OptionsTest)
#include "OptionsTest.moc"

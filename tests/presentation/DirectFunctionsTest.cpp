#include "game/presentation/Presentation.h"
#include "tests/presentation/PresentationFixture.h"

namespace orbo {
namespace {

const std::string NoSoundCard = "Звуковая карта используется или отсутствует. Игра будет без звука.";

// Notes whether the play screen was already up when each message was shown.
class WatchfulMessages : public MessageBox {
public:
    explicit WatchfulMessages(const fake::Display& display) : display_(display) {}
    void show(std::string_view text, MessageIcon icon) override {
        shown.push_back({std::string(text), icon, display_.isOpen()});
    }
    struct Shown {
        std::string text;
        MessageIcon icon;
        bool overPlayScreen;
    };
    std::vector<Shown> shown;

private:
    const fake::Display& display_;
};

class DirectFunctionsTest : public PresentationTest {
protected:
    DirectFunctionsTest()
        : messages(machine.display),
          platform{dir.path(),           machine.clock, machine.random, machine.keyboard, machine.display,
                   machine.sound,        machine.music, messages,       machine.events},
          watched(platform) {
        watched.settings.soundOn = true;
    }
    WatchfulMessages messages;
    Platform platform;
    Game watched;
};

TEST_F(DirectFunctionsTest, WithoutASoundDeviceThePlayerIsToldBeforeThePlayScreenAppears) {
    machine.sound.setAvailable(false);

    EXPECT_TRUE(initDirectX(watched));

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, NoSoundCard);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_FALSE(messages.shown[0].overPlayScreen);
    EXPECT_FALSE(watched.settings.soundOn);
    EXPECT_TRUE(machine.display.isOpen());
}

TEST_F(DirectFunctionsTest, TheMessageDependsOnlyOnTheDevice) {
    watched.settings.soundOn = false;
    EXPECT_TRUE(initDirectX(watched));
    EXPECT_TRUE(messages.shown.empty());

    machine.sound.setAvailable(false);
    EXPECT_TRUE(initDirectX(watched));
    EXPECT_EQ(messages.shown.size(), 1u) << "told with effects switched off too";
}

TEST_F(DirectFunctionsTest, TheSevenEffectsAreLoadedInSlotOrder) {
    machine.sound.setAvailable(false);  // loaded whether or not they can be heard
    initDirectX(watched);
    EXPECT_EQ(machine.sound.loaded(), (std::vector<std::string>{"чайник.wav", "выстрел.wav", "проиграл.wav", "наверх.wav",
                                                                "зелень.wav", "коп.wav", "оставил.wav"}));
}

TEST_F(DirectFunctionsTest, AScreenThatCannotBeSetUpIsReportedAndEndsTheSession) {
    machine.display.failOpen("no screen here");

    EXPECT_FALSE(initDirectX(watched));

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "no screen here");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(watched.session.quit);

    releaseDirectX(watched);  // the orderly end still closes what is open
    EXPECT_FALSE(machine.display.isOpen());
}

TEST_F(DirectFunctionsTest, TheTitleFillsTheScreenAndIsShown) {
    std::filesystem::create_directories(dir.path() / "Графика");
    std::ofstream(dir.path() / "Графика" / "заставка.bmp") << "picture";
    machine.display.requireFiles(true);
    initDirectX(watched);

    EXPECT_TRUE(showTitle(watched));

    EXPECT_EQ(machine.display.flips(), 1);
    const auto& blits = machine.display.lastFrame().blits;
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(std::tie(blits[0].x, blits[0].y, blits[0].file), std::make_tuple(0, 0, std::string("заставка.bmp")));
}

TEST_F(DirectFunctionsTest, AMissingTitleIsNamedAndEndsTheSession) {
    machine.display.requireFiles(true);
    initDirectX(watched);

    EXPECT_FALSE(showTitle(watched));

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Фаил не найден " + (dir.path() / "графика").string() + "/Заставка.bmp");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(watched.session.quit);
    EXPECT_EQ(machine.display.flips(), 0);
}

}  // namespace
}  // namespace orbo

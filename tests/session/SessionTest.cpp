// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "game/core/ScanCodes.h"
#include "game/session/Keyboard.h"
#include "game/session/Session.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/ProgramFolder.h"

namespace orbo {
namespace {

// Whole sessions on the fake machine, steered from its message pump: what the
// recorded orbo-sim runs of tests/golden cannot show, the music, the sound
// device, the screen and the pointer.
class SessionTest : public ::testing::Test, protected test::FakeGame {
protected:
    SessionTest() {
        writeLevel(dir.path(), 0, {"101", "01"});
        writeSoundFiles(dir.path());
        game->settings = {.soundOn = true, .musicOn = false, .smartCops = 0, .speed = 2};
    }
    // Runs a session that leaves with Esc on the given pass.
    void playPasses(int passes) {
        int pass = 0;
        machine.events.onPump = [&] {
            ++pass;
            machine.keyboard.releaseAll();
            if (pass == passes) machine.keyboard.press({ScanCode::Escape});
            if (onPass) onPass(pass);
        };
        playSession(*game);
        passesRun = pass;
    }

    std::function<void(int)> onPass;
    int passesRun = 0;
};

TEST_F(SessionTest, MusicStartsLoopsAndStopsAndThePointerHidesWhileThePlayScreenIsUp) {
    game->settings.musicOn = true;
    bool playingAtFirstPass = false;
    onPass = [&](int pass) {
        if (pass == 1) playingAtFirstPass = machine.music.isPlaying();
        if (pass == 3) machine.music.end();
        EXPECT_FALSE(machine.display.pointerShown()) << "pass " << pass;
    };
    playPasses(5);
    EXPECT_TRUE(playingAtFirstPass) << "started behind the title";
    EXPECT_EQ(machine.music.inits(), 1);
    EXPECT_EQ(machine.music.starts(), 2) << "started behind the title, again when it ran out";
    EXPECT_EQ(machine.music.stops(), 1);
    EXPECT_FALSE(machine.music.isPlaying());
    EXPECT_TRUE(machine.display.pointerShown());

    game->settings.musicOn = false;
    playPasses(2);
    EXPECT_EQ(machine.music.inits(), 2);
    EXPECT_EQ(machine.music.starts(), 2);
    EXPECT_EQ(machine.music.stops(), 2) << "the final stop is issued with the music off too";
}

TEST_F(SessionTest, ABrokenTuneIsReportedOnceAndTheSessionPlaysOnWithoutIt) {
    game->settings.musicOn = true;
    const auto tune = dir.path() / "звуки" / "музон0.mid";
    const std::string broken[] = {"", OneNoteTune.substr(0, 30), std::string("RIFF\x24\0\0\0WAVEfmt ", 16)};
    for (const std::string& bytes : broken) {
        writeFile(tune, bytes);
        machine.messages.takeShown();
        playPasses(5);
        EXPECT_EQ(passesRun, 5) << "the session runs to the Esc";
        EXPECT_EQ(machine.music.starts(), 0) << "the synthesizer never gets it";
        EXPECT_EQ(machine.messages.shown(),
                  std::vector<std::string>{"Мелодию не удаётся проиграть, игра будет без музыки: " + tune.string()})
            << "told once, not at every pass";
    }
    writeFile(tune, OneNoteTune);
    playPasses(2);
    EXPECT_EQ(machine.music.starts(), 1) << "mended, it plays in the next session";
}

TEST_F(SessionTest, WithoutASoundDeviceThePlayerIsToldOnceAndTheGameIsSilent) {
    machine.sound.setAvailable(false);
    onPass = [&](int pass) {
        if (pass == 1) machine.keyboard.press({ScanCode::R});
    };
    playPasses(2);
    EXPECT_EQ(machine.messages.shown(),
              std::vector<std::string>{"Звуковая карта используется или отсутствует. Игра будет без звука."});
    EXPECT_FALSE(game->settings.soundOn);
    EXPECT_EQ(game->progress.lives, 9.0f);
    EXPECT_TRUE(machine.sound.played().empty()) << "the lost life made no sound";
}

TEST_F(SessionTest, ScreenFailuresAreReportedOnceAndEndTheSessionInOrder) {
    const auto graphics = dir.path() / "графика";
    const struct {
        std::function<void(test::FakeDisplay&)> fault;
        int passes;
        std::string message;
    } cases[] = {
        {[](test::FakeDisplay& d) { d.failOpen("Не удалось открыть экран"); }, 0, "Не удалось открыть экран"},
        {[](test::FakeDisplay& d) { d.requireFiles(true); }, 0,
         "Фаил не найден " + (graphics / "Заставка.bmp").string()},
        {[&](test::FakeDisplay& d) {
             d.requireFiles(true);
             std::filesystem::create_directory(graphics);
             writeFile(graphics / "Заставка.bmp", "a title");
         },
         0, "Фаил не найден " + (graphics / "пустота.bmp").string()},
        // The title and three frames are shown, the fourth is not.
        {[](test::FakeDisplay& d) { d.loseScreenAfter(4); }, 4, "screen lost"},
    };
    for (const auto& failure : cases) {
        test::FakeGame broken(dir.path());
        broken.game->settings = game->settings;
        failure.fault(broken.machine.display);
        int passes = 0;
        broken.machine.events.onPump = [&] { ++passes; };
        playSession(*broken.game);
        EXPECT_EQ(passes, failure.passes) << failure.message;
        EXPECT_EQ(broken.machine.messages.shown(), std::vector<std::string>{failure.message});
        EXPECT_FALSE(broken.machine.display.isOpen());
        EXPECT_TRUE(broken.machine.display.pointerShown());
        EXPECT_EQ(broken.machine.music.stops(), 1);
        EXPECT_FALSE(broken.game->progress.canContinue);
    }
}

// orbo --level: the file is the only level, for that session alone.
TEST_F(SessionTest, ALevelFilePlayedAloneEndsWhenItIsCleared) {
    const auto file = dir.path() / "Проба.orb";
    writeFile(file, levelText({"101", "01", "", "", "", "", "", "", "", "", "", "", "", "", "005"}));
    std::uint32_t endedAt = 0;
    machine.events.onPump = [&] {
        if (game->session.quit && endedAt == 0) endedAt = machine.clock.tickCount();
        machine.keyboard.press({ScanCode::Right});
    };
    EXPECT_EQ(playLevelFile(*game, file), LevelEnd::Cleared);
    EXPECT_GE(machine.clock.tickCount() - endedAt, 2000u) << "the end stays up while the key is still down";
    EXPECT_EQ(game->progress.score, 110);
    EXPECT_EQ(game->progress.level, 0) << "no level follows";
    EXPECT_TRUE(game->session.levelFile.empty());

    // The same game again, the screen lost as the end is shown: the level was not played to its end.
    machine.display.loseScreenAfter(machine.display.flips() - 1);
    EXPECT_EQ(playLevelFile(*game, file), LevelEnd::ScreenLost);

    machine.messages.takeShown();
    machine.display.loseScreenAfter(-1);
    const int flips = machine.display.flips();
    EXPECT_EQ(playLevelFile(*game, dir.path() / "нет.orb"), LevelEnd::NotPlayed);
    EXPECT_EQ(machine.messages.shown().size(), 1u);
    EXPECT_EQ(machine.display.flips(), flips) << "a missing file is named before the screen opens";
}

TEST_F(SessionTest, AKeyboardThatCannotReportGivesNoCommands) {
    machine.keyboard.press({ScanCode::Escape});
    machine.keyboard.setBroken(true);
    handleKeyboard(*game);
    EXPECT_FALSE(game->session.quit);
}

// The same keys with the window closed instead of Esc, on the fourth pass; a
// pause (p) on the second. Both endings must leave the same game behind.
TEST_F(SessionTest, ClosingThePlayWindowLeavesExactlyAsEscDoes) {
    const std::vector<int> heldAtTheEnd[] = {{}, {ScanCode::Q}, {ScanCode::P}, {ScanCode::Right}};
    for (const auto& held : heldAtTheEnd) {
        for (const bool pausedBefore : {false, true}) {
            const auto play = [&](bool byClose) {
                game = std::make_unique<Game>(machine.platform);
                game->settings = {.soundOn = true, .musicOn = false, .smartCops = 0, .speed = 2};
                int pass = 0;
                machine.events.onPump = [&] {
                    machine.keyboard.releaseAll();
                    if (++pass == 2 && pausedBefore) machine.keyboard.press({ScanCode::P});
                    if (pass != 4 && pass < 50) return;
                    for (const int key : held) machine.keyboard.press({key});
                    if (byClose && pass == 4)
                        machine.events.pending.closeRequested = true;
                    else
                        machine.keyboard.press({ScanCode::Escape});
                };
                playSession(*game);
                const Unit& hero = game->units[HeroSlot];
                return std::tuple{pass,      game->progress.canContinue, game->session.paused, hero.dirX,
                                  hero.pose, game->shot.direction};
            };
            EXPECT_EQ(play(true), play(false)) << held.size() << " keys, paused " << pausedBefore;
        }
    }
}

// Right is still latched in the pass whose pump reports the lost focus; then no
// key is read until the focus is back and Left goes down.
TEST_F(SessionTest, LosingTheFocusPausesTheGameUntilAKeyIsPressedAgain) {
    std::vector<bool> paused;
    std::vector<double> heroX;
    onPass = [&](int pass) {
        paused.push_back(game->session.paused);
        heroX.push_back(game->units[HeroSlot].x);
        if (pass <= 3) machine.keyboard.press({ScanCode::Right});
        if (pass == 3) machine.events.pending.focusLost = true;
        if (pass == 40) machine.keyboard.press({ScanCode::Left});
    };
    playPasses(45);
    ASSERT_EQ(paused.size(), 45u);
    EXPECT_FALSE(paused[2]);
    EXPECT_TRUE(paused[3]) << "paused by the pass that lost the focus";
    EXPECT_TRUE(paused[39]);
    EXPECT_EQ(heroX[4], heroX[39]) << "the hero stood still while the player was away";
    EXPECT_FALSE(paused[40]) << "a key resumed the game";
}

}  // namespace
}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
// Processor time with a pad plugged in (SDL's virtual pad: no hardware needed),
// where the game waits for the player: the menu reading its pads, and a real
// session on the real play window, paused. Prints two tab-separated lines of
// "what<TAB>percent of a core". Needs an X display.
// Usage: orbo_bench_pad BIN_DIR SECONDS
#include <SDL.h>
#include <sys/resource.h>
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "game/frontend/MenuPad.h"
#include "game/platform/RealPlatform.h"
#include "game/platform/VirtualPad.h"
#include "game/session/Session.h"

namespace {

using Clock = std::chrono::steady_clock;

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Percent of one core the process used while run() ran.
template <typename Run>
double percentOfACore(Run run) {
    const double before = processorSeconds();
    const auto start = Clock::now();
    run();
    const std::chrono::duration<double> wall = Clock::now() - start;
    return 100.0 * (processorSeconds() - before) / wall.count();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: orbo_bench_pad BIN_DIR SECONDS\n", stderr);
        return 2;
    }
    const std::filesystem::path bin = argv[1];
    const int seconds = std::stoi(argv[2]);
    QApplication app(argc, argv);

    // Made after the menu's pad starts SDL's game controller subsystem, as a pad plugged in.
    orbo::MenuPad menuPad(nullptr);
    const orbo::sdl::VirtualPad pad;
    if (!pad.attached()) {
        std::fprintf(stderr, "orbo_bench_pad: no virtual pad: %s\n", SDL_GetError());
        return 1;
    }
    const double menu = percentOfACore([&] {
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
        QApplication::exec();
    });
    std::printf("menu with a pad, %% of a core\t%.2f\n", menu);

    menuPad.suspend();
    std::unique_ptr<orbo::Game> game;
    Clock::time_point pausedAt;
    double paused = 0;
    double processorAtPause = 0;
    orbo::sdl::RealPlatform machine(bin, [&] {
        if (!game->session.paused) {
            game->session.paused = true;
            pausedAt = Clock::now();
            processorAtPause = processorSeconds();
        } else if (Clock::now() - pausedAt >= std::chrono::seconds(seconds)) {
            const std::chrono::duration<double> wall = Clock::now() - pausedAt;
            paused = 100.0 * (processorSeconds() - processorAtPause) / wall.count();
            game->session.quit = true;
        }
    });
    machine.screen().setFullscreen(false);
    game = std::make_unique<orbo::Game>(machine.platform());
    game->settings = {.soundOn = false, .musicOn = false, .smartCops = false, .speed = 2};
    orbo::playSession(*game);
    std::printf("paused with a pad, %% of a core\t%.2f\n", paused);
    return 0;
}

#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "game/core/GameState.h"
#include "game/fakes/Fakes.h"

// The game in the middle of a level, played pass by pass on a fake machine
// exactly as orbo-sim plays it, and saved and restored at any pass so that a
// search can try several futures from one moment.
namespace orbo::autoplay {

struct PlayOptions {
    std::filesystem::path dir;  // a program folder holding Этажи
    int level = 0;
    std::uint32_t seed = 1;
    bool smartCops = false;
    int speed = 2;
};

// Scan codes held during one pass; -1 holds nothing.
constexpr int NoKey = -1;

class Playfield {
public:
    // Everything a pass reads or writes, apart from pictures.
    struct Snapshot {
        std::uint32_t tick = 0;
        fake::SeededRandom random;
        GameProgress progress;
        SessionState session;
        std::array<Unit, UnitSlots> units;
        decltype(Game::carrying) carrying{};
        TileMap tileMap;
        std::array<HoleRecord, 256> holeTable{};
        ShotState shot;
        std::uint32_t lastKettleTick = 0;
        std::array<int, 8> effects{};
    };

    // A new game at options.level, stopped where orbo-sim runs its first pass.
    // ready() is false when the level could not be started.
    explicit Playfield(const PlayOptions& options);
    Playfield(const Playfield&) = delete;
    Playfield& operator=(const Playfield&) = delete;
    ~Playfield();

    bool ready() const { return ready_; }
    const Game& game() const { return *game_; }
    const PlayOptions& options() const { return options_; }

    // One pass of the play loop with the key held (or NoKey).
    void playPass(int key);

    Snapshot save() const;
    void restore(const Snapshot& snapshot);

    // How often an effect has been played since the start (Effect::Shot: holes dug).
    int effectCount(int effect) const { return sound_.counts[static_cast<std::size_t>(effect)]; }

private:
    // Draws nothing and keeps nothing, so a pass costs only the rules.
    class QuietDisplay : public Display {
    public:
        explicit QuietDisplay(fake::Clock& clock) : clock_(clock) {}
        bool open() override { return true; }
        void close() override {}
        std::string lastError() const override { return {}; }
        std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t,
                                             const std::filesystem::path&) override {
            return std::make_unique<fake::Surface>(width, height, std::string());
        }
        void clearBackBuffer() override {}
        void drawSprite(int, int, const Surface&, const Rect&) override {}
        bool flip() override;
        void setForeColor(std::uint32_t) override {}
        void drawText(int, int, std::string_view) override {}
        void drawLine(int, int, int, int) override {}
        void setDrawWidth(int) override {}
        void showPointer(bool) override {}

    private:
        fake::Clock& clock_;
    };

    // Counts the effects played, which is all the planner needs of them.
    class CountingSound : public SoundDevice {
    public:
        bool open() override { return true; }
        void close() override {}
        void load(int, const std::filesystem::path&) override {}
        void play(int slot) override;
        std::array<int, 8> counts{};
    };

    PlayOptions options_;
    // Reading the virtual clock changes nothing, so a save may read it.
    mutable fake::Clock clock_;
    fake::SeededRandom random_;
    fake::Keyboard keyboard_;
    QuietDisplay display_;
    CountingSound sound_;
    fake::Music music_;
    fake::MessageBox messages_;
    fake::EventPump events_;
    Platform platform_;
    std::unique_ptr<Game> game_;
    bool ready_ = false;
};

// Whether a unit stands exactly on its cell, between two glides.
bool isAtRest(const Unit& unit);

}  // namespace orbo::autoplay

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "common/Grids.h"
#include "game/core/Platform.h"

namespace orbo {

constexpr int UnitSlots = 9;
// Holes open at once: more entries than the play field has cells.
constexpr int HoleTableSize = 256;
constexpr int HeroSlot = 0;
// The two cops take the slots after the hero's; the others stay free.
constexpr int FirstCopSlot = 1;
constexpr int LastCopSlot = 2;

constexpr int HeroSpriteSet = 7;
constexpr int CopSpriteSet = 8;
constexpr int SpriteSetCount = CopSpriteSet + 1;
// The kettle's animation is the longest: pictures 0 to 100, each shown for two frames.
constexpr int SpriteFramesPerSet = 102;

constexpr float LivesAtStart = 10.0f;
constexpr std::int32_t KettleScore = 10;
constexpr std::int32_t LevelScore = 100;
constexpr std::int32_t LifeLostPenalty = 10;

struct Cell {
    std::int32_t col = 0;
    std::int32_t row = 0;
};
constexpr Cell HeroStartCell{1, 14};
constexpr Cell CopStartCell{1, 0};

struct GameProgress {
    std::int32_t score = 0;
    float lives = 0.0f;
    std::int32_t level = 0;
    bool canContinue = false;
    std::int32_t savedScore = 0;
    float savedLives = 0.0f;
    std::int32_t savedLevel = 0;
};

struct GameSettings {
    bool soundOn = false;
    bool musicOn = false;
    bool smartCops = false;
    std::int32_t speed = 0;
};

struct SessionState {
    bool quit = false;
    bool paused = false;
    std::int32_t levelCount = 0;
    std::uint32_t lastGlideTick = 0;
    std::uint32_t lastStepTick = 0;
    // The tune failed its check this session: it was reported and is not played.
    bool tuneRefused = false;
    // Set: the session plays this level file alone, with no level before or after it.
    std::filesystem::path levelFile;
};

enum class UnitKind { Free, Hero, Cop };

struct Unit {
    UnitKind kind = UnitKind::Free;
    std::int32_t col = 0;
    std::int32_t row = 0;
    double x = 0.0;
    double y = 0.0;
    std::int32_t dirX = 0;
    std::int32_t dirY = 0;
    std::int32_t spriteSet = 0;
    std::int32_t pose = 0;
    std::int32_t phase = 0;
};

// The first of a pose's two pictures in its unit's sprite set.
namespace Pose {
constexpr std::int32_t Standing = 0;
constexpr std::int32_t WalkingLeft = 2;
constexpr std::int32_t WalkingRight = 4;
constexpr std::int32_t OnBar = 6;
constexpr std::int32_t OnBarMovingLeft = 8;
constexpr std::int32_t OnBarMovingRight = 10;
constexpr std::int32_t Climbing = 12;
constexpr std::int32_t ShootingLeft = 14;
constexpr std::int32_t ShootingRight = 16;
}  // namespace Pose

struct HoleRecord {
    std::uint32_t openedAt = 0;  // 0: the entry is free
    std::int32_t col = 0;
    std::int32_t row = 0;
};

// Which way the hero shot; None once the shooting pose is over.
enum class ShotDirection { None, Left, Right };

struct ShotState {
    ShotDirection direction = ShotDirection::None;
    std::int32_t shotCounter = 0;
};

struct SpriteSet {
    std::array<std::shared_ptr<const Surface>, SpriteFramesPerSet> frames;
    std::int32_t currentFrame = 0;
    std::int32_t frameCount = 0;
};

// The level-change picture: the level being left in rows 16..30 and the one
// being entered in rows 0..14, with an empty band between.
class ScrollStrip {
public:
    static constexpr int Columns = 17;
    static constexpr int Rows = 32;
    static constexpr int LeftLevelRow = 16;
    static constexpr int EnteredLevelRow = 0;
    std::int32_t at(int col, int row) const { return cells_[static_cast<std::size_t>(row * Columns + col)]; }
    void set(int col, int row, std::int32_t code) { cells_[static_cast<std::size_t>(row * Columns + col)] = code; }

private:
    std::array<std::int32_t, Columns * Rows> cells_{};
};

struct FpsState {
    std::int16_t fpsCounter = 0;
    float fpsLastTime = 0.0f;
    float fpsValue = 0.0f;
};

struct Game;

// Shows a level change: game.scrollStrip sliding from the level left to the one
// entered. The presentation draws it; the rules only ask for it.
class LevelChangeView {
public:
    virtual ~LevelChangeView() = default;
    virtual void showLevelChange(Game& game) = 0;
};

// Every record of the game, created once and zeroed at program start and kept
// for the whole run: continuing a game relies on the grid, the units and the
// holes outliving a session.
struct Game {
    explicit Game(Platform& machine) : platform(machine) {}

    Platform& platform;

    GameProgress progress;
    GameSettings settings;
    SessionState session;
    std::array<Unit, UnitSlots> units;
    std::array<bool, UnitSlots> carrying{};  // the cops' stolen kettles
    TileMap tileMap;
    std::array<HoleRecord, HoleTableSize> holeTable{};
    ShotState shot;
    std::array<SpriteSet, SpriteSetCount> spriteSets;
    ScrollStrip scrollStrip;
    LevelChangeView* levelChangeView = nullptr;  // set by ScopedLevelChangeView; none: not shown
    FpsState fps;
    std::uint32_t lastKettleTick = 0;  // the game screen's 10 ms kettle timer
};

// Shows the game's level changes through `view` for as long as it lives, and as
// before afterwards: a session shows them on its screen, a rule test counts them.
class ScopedLevelChangeView {
public:
    ScopedLevelChangeView(Game& game, LevelChangeView& view)
        : game_(game), previous_(std::exchange(game.levelChangeView, &view)) {}
    ~ScopedLevelChangeView() { game_.levelChangeView = previous_; }
    ScopedLevelChangeView(const ScopedLevelChangeView&) = delete;
    ScopedLevelChangeView& operator=(const ScopedLevelChangeView&) = delete;

private:
    Game& game_;
    LevelChangeView* previous_;
};

}  // namespace orbo

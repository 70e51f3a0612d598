#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "common/Grids.h"
#include "game/core/Platform.h"

namespace orbo {

inline constexpr const char* HeroName = "Игрок";
inline constexpr const char* CopName = "Коп";

constexpr int UnitSlots = 9;
constexpr int HeroSlot = 0;
constexpr int HeroSpriteSet = 7;
constexpr int CopSpriteSet = 8;
constexpr float LivesAtStart = 10.0f;

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
    std::int32_t smartCops = 0;
    std::int32_t speed = 0;
};

struct SessionState {
    bool quit = false;
    bool paused = false;
    std::int32_t levelCount = 0;
    std::uint32_t lastGlideTick = 0;
    std::uint32_t lastStepTick = 0;
    float cellWidth = 0.0f;
    float cellHeight = 0.0f;
    // Set: the session plays this level file alone, with no level before or after it.
    std::filesystem::path levelFile;
    // The tune failed its check this session: it was reported and is not played.
    bool tuneRefused = false;
};

struct Unit {
    std::string name;  // empty: the slot is free
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

namespace Pose {
constexpr std::int32_t Standing = 0;
constexpr std::int32_t OnBar = 6;
constexpr std::int32_t Climbing = 12;
constexpr std::int32_t ShootingLeft = 14;
constexpr std::int32_t ShootingRight = 16;
}  // namespace Pose

struct HoleRecord {
    std::uint32_t openedAt = 0;  // 0: the entry is free
    std::int32_t col = 0;
    std::int32_t row = 0;
};

inline constexpr const char* ShotLeftText = "ВыстрелВлево";
inline constexpr const char* ShotRightText = "ВыстрелВправо";

struct ShotState {
    std::string shotText;
    std::int32_t shotCounter = 0;
};

struct SpriteSet {
    std::array<std::shared_ptr<const Surface>, 256> frames;
    std::int32_t currentFrame = 0;
    std::int32_t frameCount = 0;
};

// The level-change picture: the level being left in rows 16..30 and the one
// being entered in rows 0..14, with an empty band between.
class ScrollStrip {
public:
    static constexpr int Columns = 17;
    static constexpr int Rows = 32;
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
    std::array<std::int32_t, UnitSlots> carrying{};
    TileMap tileMap;
    std::array<HoleRecord, 256> holeTable{};
    ShotState shot;
    std::array<SpriteSet, 256> spriteSets;
    ScrollStrip scrollStrip;
    FpsState fps;
    std::uint32_t lastKettleTick = 0;  // the game screen's 10 ms kettle timer
};

}  // namespace orbo

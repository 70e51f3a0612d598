// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rules/Movement.h"

#include "game/rules/Progression.h"

namespace orbo {
namespace {

constexpr int BottomRow = FieldRows - 1;
constexpr double GlideStepX = 16.0;
constexpr double GlideStepY = 25.0;

bool isAtRest(const Unit& unit) {
    return unit.x == static_cast<double>(CellWidth) * unit.col && unit.y == static_cast<double>(CellHeight) * unit.row;
}

// Tiles a unit above drops into.
bool letsUnitFallIn(std::int32_t tile) { return tile == Empty || tile == Bar || tile == Kettle || tile == Hole; }

// Tiles a unit drops out of when nothing holds it up.
bool letsUnitFallOut(std::int32_t tile) { return tile == Empty || tile == Hole; }

// The pose for a unit's sideways intention: left, none or right.
std::int32_t sidewaysPose(int dirX, std::int32_t left, std::int32_t still, std::int32_t right) {
    return dirX == -1 ? left : dirX == 1 ? right : still;
}

void shotPoseStep(Game& game, Unit& hero) {
    ShotState& shot = game.shot;
    if (shot.direction == ShotDirection::None) return;
    hero.pose = shot.direction == ShotDirection::Left ? Pose::ShootingLeft : Pose::ShootingRight;
    shot.shotCounter -= 1;
    if (shot.shotCounter < 0) {
        shot.shotCounter = 0;
        shot.direction = ShotDirection::None;
    }
}

}  // namespace

std::int32_t tileAt(const Game& game, int unit, int colOffset, int rowOffset) {
    const Unit& u = game.units[static_cast<std::size_t>(unit)];
    const int col = u.col + colOffset;
    const int row = u.row + rowOffset;
    // Only a look left of column 0 leaves the grid; nothing is there, certainly no hole.
    if (!TileMap::inside(col, row)) return Empty;
    return game.tileMap.at(col, row);
}

bool canEnter(const Game& game, int unit, int colOffset, int rowOffset) {
    const Unit& u = game.units[static_cast<std::size_t>(unit)];
    const int col = u.col + colOffset;
    const int row = u.row + rowOffset;
    if (row < 0 || row >= FieldRows || col < 0 || col >= FieldColumns) return false;
    return !isSolid(game.tileMap.at(col, row));
}

void stepUnit(Game& game, int unit) {
    Unit& u = game.units[static_cast<std::size_t>(unit)];
    int dirX = u.dirX;
    int dirY = u.dirY;
    if (!isAtRest(u)) return;

    const std::int32_t here = tileAt(game, unit, 0, 0);
    // Only a ladder leads up.
    if ((here == Empty || here == Bar || here == Kettle || here == Hole) && dirY == -1) dirY = 0;

    int targetCol = u.col + dirX;
    int targetRow = u.row + dirY;

    if (letsUnitFallOut(here) && u.row < BottomRow && letsUnitFallIn(game.tileMap.at(u.col, u.row + 1))) {
        u.row += 1;
        targetRow += 1;
        dirX = 0;
        dirY = 0;
    }

    if (targetCol < 0 || targetCol >= FieldColumns || targetRow < 0 || targetRow >= FieldRows) {
        stopUnit(game, unit, here);
        return;
    }
    const std::int32_t target = game.tileMap.at(targetCol, targetRow);
    if (isSolid(target)) {
        stopUnit(game, unit, here);
        return;
    }

    if (unit == HeroSlot) shotPoseStep(game, u);

    u.col += dirX;
    u.row += dirY;
    if (target == Empty) u.dirY = 0;
}

void glideUnits(Game& game) {
    for (Unit& u : game.units) {
        if (u.kind != UnitKind::Free) {
            const double cellX = static_cast<double>(CellWidth) * u.col;
            const double cellY = static_cast<double>(CellHeight) * u.row;
            bool movedSideways = false;
            if (cellX > u.x) {
                u.x += GlideStepX;
                movedSideways = true;
            }
            if (cellX < u.x) {
                u.x -= GlideStepX;
                movedSideways = true;
            }
            if (!movedSideways) {
                if (cellY > u.y) u.y += GlideStepY;
                if (cellY < u.y) u.y -= GlideStepY;
            }
        }
        u.phase = u.phase == 0 ? 1 : 0;
    }
}

void stopUnit(Game& game, int unit, std::int32_t tile) {
    Unit& u = game.units[static_cast<std::size_t>(unit)];
    if (tile != Bar) u.pose = Pose::Standing;  // a unit stopped on a bar keeps hanging
    u.dirX = 0;
    u.dirY = 0;
}

bool updatePose(Game& game, int unit) {
    Unit& u = game.units[static_cast<std::size_t>(unit)];
    switch (tileAt(game, unit, 0, 0)) {
        case Empty: u.pose = sidewaysPose(u.dirX, Pose::WalkingLeft, Pose::Standing, Pose::WalkingRight); break;
        case Ladder:
            if (canEnter(game, unit, u.dirX, u.dirY) && u.dirY != 0) u.pose = Pose::Climbing;
            break;
        case Bar: u.pose = sidewaysPose(u.dirX, Pose::OnBarMovingLeft, Pose::OnBar, Pose::OnBarMovingRight); break;
        case Kettle:
            if (unit == HeroSlot) return takeKettle(game);
            break;
        default: break;
    }
    return false;
}

bool updatePoses(Game& game) {
    for (int slot = 0; slot < UnitSlots; ++slot) {
        if (game.units[static_cast<std::size_t>(slot)].kind == UnitKind::Free) continue;
        if (updatePose(game, slot)) return true;
    }
    return false;
}

}  // namespace orbo

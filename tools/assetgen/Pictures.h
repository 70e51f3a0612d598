// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QPainter;

// Every picture is painted on a clear canvas (see Canvas.h) at the size it is
// shown at; the caller turns it into a sprite or an opaque picture.
namespace orbo::assetgen {

QImage paintBricks(int width, int height);
QImage paintTurf(int width, int height);
QImage paintLadder(int width, int height);
QImage paintBar(int width, int height);
QImage paintHole(int width, int height);

constexpr int KettleFrames = 51;
// Frame `frame` of the kettle's loop of KettleFrames frames; the frame after the
// last is the first again.
QImage paintKettle(int width, int height, int frame);

constexpr int HeroFrames = 18;
constexpr int CopFrames = 14;
// Frames by pose and phase: 0-1 standing, 2-3 walking left, 4-5 walking right,
// 6-7 hanging on a bar, 8-9 and 10-11 moving left and right along it, 12-13
// climbing; the hero's 14-15 and 16-17 are his shots to the left and right.
QImage paintHero(int frame);
QImage paintCop(int frame);

// The same figures and the kettle painted through any painter, in the 64 x 50
// frame of a cell, for bigger scenes.
void drawHeroFrame(QPainter& painter, int frame);
void drawCopFrame(QPainter& painter, int frame);
void drawKettleFrame(QPainter& painter, int frame);

// The 1024 x 768 title: the game's world by a winter night, its heroes and its name.
QImage paintTitle();

}  // namespace orbo::assetgen

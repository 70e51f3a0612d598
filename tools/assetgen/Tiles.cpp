// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Pictures.h"

namespace orbo::assetgen {
namespace {

const QColor Frost(214, 230, 250);
const QColor FrostShadow(120, 150, 200);

// The turf's earth, shared by the turf and the hole dug into it.
QLinearGradient turfGround() {
    QLinearGradient ground(0, 0, 0, 50);
    ground.setColorAt(0, QColor(46, 122, 52));
    ground.setColorAt(1, QColor(22, 74, 34));
    return ground;
}

// Bricks of one course are bricksAcross to a tile; every other course is offset
// by half a brick, and a brick's colour depends only on where it starts within
// the tile, so walls of many tiles join without seams.
void layBricks(QPainter& p, int width, int height, int courses, int bricksAcross) {
    p.fillRect(QRectF(0, 0, width, height), QColor(58, 56, 74));
    const double brickWidth = static_cast<double>(width) / bricksAcross;
    const QColor shades[] = {QColor(158, 62, 46), QColor(138, 50, 38), QColor(170, 74, 52), QColor(128, 46, 40)};
    for (int course = 0; course < courses; ++course) {
        const int top = course * height / courses;
        const int bottom = (course + 1) * height / courses;
        const double offset = (course % 2 == 1) ? -brickWidth / 2 : 0.0;
        for (int i = -1; i <= bricksAcross; ++i) {
            const double left = offset + i * brickWidth;
            const int start = static_cast<int>(std::lround(std::fmod(left + width, width)));
            const QColor base = shades[(start * 7 / width + course * 3) % 4];
            const QRectF brick(left + 1, top + 1, brickWidth - 2, bottom - top - 2);
            if (brick.right() < 0 || brick.left() > width) continue;
            QLinearGradient face(brick.topLeft(), brick.bottomLeft());
            face.setColorAt(0, base.lighter(118));
            face.setColorAt(1, base.darker(125));
            p.fillRect(brick, face);
            // Light falls from the top left: a lit upper edge, a dark lower edge.
            p.fillRect(QRectF(brick.left(), brick.top(), brick.width(), 1), base.lighter(150));
            p.fillRect(QRectF(brick.left(), brick.bottom() - 1, brick.width(), 1), base.darker(170));
            p.fillRect(QRectF(brick.right() - 1, brick.top(), 1, brick.height()), base.darker(150));
            // Frost settles on the upper edge of a brick here and there.
            if ((start + course * 5) % 3 == 0)
                p.fillRect(QRectF(brick.left() + 2, brick.top(), brick.width() * 0.45, 1), Frost);
            Rng rng(static_cast<std::uint64_t>(start * 31 + course));
            p.setPen(Qt::NoPen);
            for (int k = 0; k < 3; ++k) {
                const double x = brick.left() + rng.range(2, brick.width() - 2);
                const double y = brick.top() + rng.range(2, brick.height() - 2);
                p.fillRect(QRectF(x, y, 1, 1), base.darker(140));
            }
        }
    }
}

void drawTurf(QPainter& p) {
    p.fillRect(QRectF(0, 0, 64, 50), turfGround());

    // Dense leaves, darker ones first so the light ones sit on top.
    Rng rng(2);
    p.setPen(Qt::NoPen);
    const QColor leaves[] = {QColor(24, 80, 34), QColor(36, 104, 42), QColor(60, 140, 58), QColor(92, 170, 72)};
    for (int layer = 0; layer < 4; ++layer) {
        for (int k = 0; k < 26 - layer * 4; ++k) {
            const double x = rng.range(1, 63);
            const double y = rng.range(4, 48);
            const double angle = rng.range(0, 180);
            p.save();
            p.translate(x, y);
            p.rotate(angle);
            p.setBrush(leaves[layer]);
            p.drawEllipse(QRectF(-3.2, -1.4, 6.4, 2.8));
            p.restore();
        }
    }
    // Bevel, so each turf block reads as a block in a wall of them.
    p.fillRect(QRectF(0, 0, 64, 1.5), QColor(110, 180, 90));
    p.fillRect(QRectF(0, 0, 1.5, 50), QColor(70, 150, 70));
    p.fillRect(QRectF(0, 48.5, 64, 1.5), QColor(14, 48, 24));
    p.fillRect(QRectF(62.5, 0, 1.5, 50), QColor(16, 56, 26));

    // A ragged cap of snow on top.
    QPainterPath snow;
    snow.moveTo(0, 0);
    snow.lineTo(64, 0);
    snow.lineTo(64, 2.5);
    for (int x = 60; x >= 0; x -= 4) snow.quadTo(x + 2, (x / 4) % 2 == 0 ? 6.0 : 3.5, x, 2.5 + ((x / 8) % 2));
    snow.closeSubpath();
    QLinearGradient snowShade(0, 0, 0, 6);
    snowShade.setColorAt(0, QColor(245, 250, 255));
    snowShade.setColorAt(1, FrostShadow);
    p.setBrush(snowShade);
    p.drawPath(snow);
}

void drawLadder(QPainter& p) {
    const QColor wood(178, 122, 66);
    const QColor dark(96, 60, 30);
    // Four rungs a tile, evenly spaced, so stacked ladders keep the rhythm.
    for (int i = 0; i < 4; ++i) {
        const double y = 4.5 + i * 12.5;
        QLinearGradient rung(0, y, 0, y + 4);
        rung.setColorAt(0, wood.lighter(125));
        rung.setColorAt(1, dark);
        p.fillRect(QRectF(14, y, 36, 4), rung);
        p.fillRect(QRectF(16, y - 0.8, 30, 1.2), Frost);
    }
    for (const double x : {9.0, 49.0}) {
        QLinearGradient rail(x, 0, x + 6, 0);
        rail.setColorAt(0, wood.lighter(140));
        rail.setColorAt(0.5, wood);
        rail.setColorAt(1, dark);
        p.fillRect(QRectF(x, 0, 6, 50), rail);
        p.fillRect(QRectF(x + 5.2, 0, 0.8, 50), QColor(60, 36, 20));
    }
}

void drawBar(QPainter& p) {
    QLinearGradient steel(0, 4, 0, 10);
    steel.setColorAt(0, QColor(236, 242, 250));
    steel.setColorAt(0.35, QColor(170, 184, 206));
    steel.setColorAt(1, QColor(70, 80, 104));
    p.fillRect(QRectF(0, 4, 64, 6), steel);
    // Joints every half tile.
    for (const double x : {0.0, 32.0}) {
        p.fillRect(QRectF(x, 3, 3, 8), QColor(96, 106, 130));
        p.fillRect(QRectF(x, 3, 1, 8), QColor(200, 210, 226));
    }
    // Icicles hang from the bar.
    p.setPen(Qt::NoPen);
    const struct { double x, width, length; } icicles[] = {{12, 3.5, 9}, {19, 2.5, 5}, {44, 3.0, 7}, {53, 2.0, 4}};
    for (const auto& icicle : icicles) {
        QPainterPath shape;
        shape.moveTo(icicle.x - icicle.width / 2, 9.5);
        shape.lineTo(icicle.x + icicle.width / 2, 9.5);
        shape.lineTo(icicle.x, 9.5 + icicle.length);
        shape.closeSubpath();
        QLinearGradient ice(icicle.x - icicle.width / 2, 0, icicle.x + icicle.width / 2, 0);
        ice.setColorAt(0, QColor(230, 242, 255));
        ice.setColorAt(1, QColor(110, 150, 210));
        p.setBrush(ice);
        p.drawPath(shape);
    }
}

void drawHole(QPainter& p) {
    // The pit: torn edges of turf round a dark hollow.
    QPainterPath pit;
    pit.addPolygon(QPolygonF({{9, 0},
                              {55, 0},
                              {58, 10},
                              {54, 18},
                              {57, 30},
                              {53, 40},
                              {55, 50},
                              {9, 50},
                              {11, 39},
                              {6, 28},
                              {10, 17},
                              {5, 8}}));
    pit.closeSubpath();

    QPainterPath whole;
    whole.addRect(0, 0, 64, 50);
    p.fillPath(whole.subtracted(pit), turfGround());

    QLinearGradient hollow(0, 0, 0, 50);
    hollow.setColorAt(0, QColor(52, 36, 24));
    hollow.setColorAt(1, QColor(18, 12, 10));
    p.fillPath(pit, hollow);
    p.setPen(QPen(QColor(96, 66, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pit);

    // Clods still falling into the hole.
    p.setPen(Qt::NoPen);
    Rng rng(6);
    for (int k = 0; k < 9; ++k) {
        const double x = rng.range(16, 48);
        const double y = rng.range(8, 44);
        const double size = rng.range(1.5, 3.5);
        p.setBrush(k % 3 == 0 ? QColor(70, 150, 66) : QColor(110, 78, 48));
        p.drawEllipse(QRectF(x, y, size, size * 0.8));
    }
    p.fillRect(QRectF(0, 0, 7, 2), QColor(236, 244, 255));
    p.fillRect(QRectF(57, 0, 7, 2), QColor(236, 244, 255));
}

}  // namespace

QImage paintBricks(int width, int height) {
    QImage canvas = newCanvas(width, height);
    QPainter p(&canvas);
    const bool small = height < 40;
    layBricks(p, width, height, small ? 3 : 4, 2);
    return canvas;
}

QImage paintTurf(int width, int height) { return paintCell(width, height, Fit::Stretch, drawTurf); }
QImage paintLadder(int width, int height) { return paintCell(width, height, Fit::Stretch, drawLadder); }
QImage paintBar(int width, int height) { return paintCell(width, height, Fit::Stretch, drawBar); }
QImage paintHole(int width, int height) { return paintCell(width, height, Fit::Stretch, drawHole); }

}  // namespace orbo::assetgen

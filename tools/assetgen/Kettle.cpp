// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Pictures.h"

namespace orbo::assetgen {
namespace {

constexpr double Tau = 2 * M_PI;

// Every motion is a whole number of cycles over the loop, so the frame after
// the last one is exactly the first.
double wave(double t, int cycles, double shift = 0) { return std::sin(Tau * (cycles * t + shift)); }

const QColor Enamel(206, 40, 44);
const QColor EnamelLight(255, 150, 130);
const QColor EnamelDark(112, 20, 30);
const QColor Rim(96, 22, 30);
const QColor Steel(200, 208, 222);

// Red enamel, lit up to `lit` of the shade's run, with its dark rim.
void drawEnamelled(QPainter& p, const QPainterPath& shape, QGradient shade, double lit, double rim) {
    shade.setColorAt(0, EnamelLight);
    shade.setColorAt(lit, Enamel);
    shade.setColorAt(1, EnamelDark);
    p.setPen(QPen(Rim, rim));
    p.setBrush(shade);
    p.drawPath(shape);
}

void drawSteam(QPainter& p, double t, QPointF spout) {
    p.setPen(Qt::NoPen);
    constexpr int Puffs = 4;
    for (int k = 0; k < Puffs; ++k) {
        double age = t + static_cast<double>(k) / Puffs;
        age -= std::floor(age);
        // A puff grows, rises and drifts, then thins away; on a black screen
        // thinning is darkening and shrinking.
        const double strength = std::sin(M_PI * age);
        const double radius = (1.2 + 4.0 * age) * std::sqrt(strength);
        if (radius < 0.6) continue;
        const QPointF at = spout + QPointF(2.0 + 5.0 * age + 1.5 * std::sin(Tau * (age + k * 0.25)), -17.0 * age);
        const int level = static_cast<int>(110 + 130 * strength);
        QRadialGradient puff(at - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
        puff.setColorAt(0, QColor(level, level, std::min(255, level + 14)));
        puff.setColorAt(1, QColor(level * 2 / 3, level * 2 / 3 + 6, level * 3 / 4 + 16));
        p.setBrush(puff);
        p.drawEllipse(at, radius, radius * 0.85);
    }
}

void drawGlint(QPainter& p, QPointF at, double size) {
    if (size < 0.4) return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(star(at, 4, size, size * 0.28));
}

void drawKettle(QPainter& p, double t) {
    const QPointF spoutTip(53.5, 19.5);
    drawSteam(p, t, spoutTip);

    p.save();
    // The kettle rocks on its base as it boils.
    const QPointF base(30, 47);
    p.translate(base);
    p.rotate(3.0 * wave(t, 2));
    p.translate(-base);

    // Handle arching over the lid.
    QPainterPath handle(QPointF(19, 24));
    handle.cubicTo(QPointF(17, 6), QPointF(43, 6), QPointF(41, 24));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 34, 44), 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handle);
    p.setPen(QPen(QColor(92, 84, 100), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handle);

    // Spout.
    QPainterPath spout;
    spout.moveTo(43, 30);
    spout.cubicTo(QPointF(49, 30), QPointF(50, 24), QPointF(spoutTip.x() - 1.5, spoutTip.y() - 0.5));
    spout.lineTo(spoutTip.x() + 1.5, spoutTip.y() + 1.8);
    spout.cubicTo(QPointF(52, 28), QPointF(50, 38), QPointF(43, 39));
    spout.closeSubpath();
    drawEnamelled(p, spout, QLinearGradient(44, 20, 52, 38), 0.4, 1.0);

    // Body: wide at the bottom, round at the shoulders.
    QPainterPath body;
    body.moveTo(16, 46);
    body.cubicTo(QPointF(10, 40), QPointF(12, 22), QPointF(30, 21));
    body.cubicTo(QPointF(48, 22), QPointF(50, 40), QPointF(44, 46));
    body.closeSubpath();
    drawEnamelled(p, body, QRadialGradient(QPointF(24, 28), 24), 0.35, 1.2);

    // A white enamel band with a snowflake on it.
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 240, 236));
    p.drawRect(QRectF(8, 35, 46, 4.5));
    p.restore();
    p.setPen(QPen(QColor(60, 130, 210), 0.9));
    const QPointF flake(30, 37.2);
    for (int i = 0; i < 3; ++i) {
        const double angle = i * M_PI / 3;
        const QPointF arm(std::cos(angle) * 2.0, std::sin(angle) * 2.0);
        p.drawLine(flake - arm, flake + arm);
    }

    // Base ring.
    p.setPen(QPen(Rim, 1.0));
    p.setBrush(QColor(150, 156, 172));
    p.drawRoundedRect(QRectF(15, 44.5, 30, 3.5), 1.5, 1.5);

    // The lid jumps as the water boils.
    const double lift = 1.2 * std::max(0.0, wave(t, 4));
    p.translate(0, -lift);
    QLinearGradient lidShade(22, 0, 38, 0);
    lidShade.setColorAt(0, Steel.lighter(115));
    lidShade.setColorAt(1, QColor(110, 116, 136));
    p.setPen(QPen(QColor(60, 62, 80), 1.0));
    p.setBrush(lidShade);
    p.drawEllipse(QPointF(30, 21.5), 8.5, 2.8);
    p.setBrush(QColor(40, 34, 44));
    p.drawEllipse(QPointF(30, 18), 2.2, 1.8);
    p.restore();

    // A glint that flares and fades over the enamel.
    const double flare = std::max(0.0, wave(t, 1, 0.1));
    drawGlint(p, QPointF(22 + 2 * wave(t, 1), 28 - 1.5 * wave(t, 1, 0.25)), 4.5 * flare);
}

}  // namespace

void drawKettleFrame(QPainter& painter, int frame) { drawKettle(painter, static_cast<double>(frame) / KettleFrames); }

// Smaller pictures keep the kettle's proportions.
QImage paintKettle(int width, int height, int frame) {
    return paintCell(width, height, Fit::KeepShape, [frame](QPainter& p) { drawKettleFrame(p, frame); });
}

}  // namespace orbo::assetgen

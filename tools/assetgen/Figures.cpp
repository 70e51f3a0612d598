// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Pictures.h"

namespace orbo::assetgen {
namespace {

enum class View { Front, Left, Right, Back };

// Where the hands of a figure hanging from a bar are: the bar runs across the
// top of its tile.
constexpr double BarY = 7.0;

// One frame of a figure: how its body sits in the cell and where its hands
// and feet are. Hands and feet are in cell coordinates, so they can grip a bar
// or a rung whatever the body does.
struct Stance {
    View view = View::Front;
    double dx = 0;  // body shift
    double dy = 0;
    double tilt = 0;    // degrees, clockwise, about the feet
    double scale = 1;   // about the feet
    double squash = 1;  // vertical stretch of the body
    QPointF handLeft;   // the hand on the picture's left
    QPointF handRight;
    QPointF footLeft;  // cops only
    QPointF footRight;
    double scarf = 0;   // the snowman's scarf end: -1 blown left .. +1 blown right
    int shot = 0;       // -1 or +1: the burst of a shot on that side
    int shotPhase = 0;  // 0 the blast, 1 the spray after it
};

void outlinedLine(QPainter& p, const QPainterPath& path, double width, const QColor& colour, const QColor& outline) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath segment(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

// A limb bending at one joint: the joint lies off the straight line to the
// side given by bend, so arms and legs look jointed rather than stiff.
QPainterPath limb(QPointF from, QPointF to, double bend) {
    const QPointF mid = (from + to) / 2;
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    QPainterPath path(from);
    if (length < 0.01) return path;
    const QPointF normal(-along.y() / length, along.x() / length);
    path.lineTo(mid + normal * bend);
    path.lineTo(to);
    return path;
}

// The body's pose about the point between its feet.
QTransform bodyTransform(const Stance& s) {
    const QPointF feet(32, 49);
    QTransform t;
    t.translate(feet.x() + s.dx, feet.y() + s.dy);
    t.rotate(s.tilt);
    t.scale(s.scale, s.scale * s.squash);
    t.translate(-feet.x(), -feet.y());
    return t;
}

// Turns a figure to the side d, -1 left or +1 right; returns d.
double faceTo(Stance& s, double d) {
    s.view = d < 0 ? View::Left : View::Right;
    return d;
}

// Of a pair of hands or feet, the one on the side d goes to front, the other to back.
void place(QPointF& left, QPointF& right, double d, QPointF front, QPointF back) {
    (d < 0 ? left : right) = front;
    (d < 0 ? right : left) = back;
}

// How a figure of one kind holds on to bars and ladders.
struct Grip {
    double hangScale;  // its size when hanging from a bar
    double barSpan;    // hands from the middle along the bar, at rest
    double barLean;    // tilt when reaching along the bar
    double railX;      // hands from the middle on a ladder's rails
    double railHigh;   // height of the upper hand on the rails
    double railLow;    // and of the lower one
};

// Frames 6 and 7: hanging from the bar, swinging gently.
void hang(Stance& s, const Grip& g, int frame) {
    s.scale = g.hangScale;
    s.tilt = frame == 6 ? -4 : 4;
    s.handLeft = {25, BarY};
    s.handRight = {39, BarY};
}

// Frames 8 to 11: hand over hand along the bar; returns the side it moves to.
double alongBar(Stance& s, const Grip& g, int frame) {
    const double d = faceTo(s, frame <= 9 ? -1 : 1);
    const bool reach = frame % 2 == 0;
    s.scale = g.hangScale;
    s.tilt = d * (reach ? g.barLean : 2);
    place(s.handLeft, s.handRight, d, QPointF(32 + d * (reach ? g.barSpan + 7 : g.barSpan), BarY),
          QPointF(32 - d * (reach ? 2 : g.barSpan), BarY));
    return d;
}

// Frames 12 and 13: climbing, seen from behind, hands on the rails in turn;
// returns whether the left hand is up.
bool climb(Stance& s, const Grip& g, int frame) {
    const bool leftUp = frame == 12;
    s.view = View::Back;
    s.dy = leftUp ? -1.5 : 0;
    s.handLeft = {32 - g.railX, leftUp ? g.railHigh : g.railLow};
    s.handRight = {32 + g.railX, leftUp ? g.railLow : g.railHigh};
    return leftUp;
}

void drawBurst(QPainter& p, QPointF at, int direction, int phase) {
    p.save();
    p.setPen(Qt::NoPen);
    if (phase == 0) {
        QRadialGradient glow(at, 8);
        glow.setColorAt(0, QColor(255, 255, 235));
        glow.setColorAt(0.5, QColor(255, 226, 110));
        glow.setColorAt(1, QColor(240, 140, 40));
        p.setBrush(glow);
        p.drawPath(star(at, 8, 8.0, 3.0, 0.8));
    } else {
        // Snow thrown off by the shot.
        const QPointF step(direction * 3.5, 2.5);
        for (int i = 0; i < 4; ++i) {
            const double r = 2.4 - i * 0.4;
            p.setBrush(QColor(190, 214, 255));
            p.drawEllipse(at + step * i + QPointF(0, (i % 2) * -2.0), r + 0.8, r + 0.8);
            p.setBrush(QColor(250, 252, 255));
            p.drawEllipse(at + step * i + QPointF(0, (i % 2) * -2.0), r, r);
        }
    }
    p.restore();
}

// ---------------------------------------------------------------- snowman

const QColor SnowOutline(58, 72, 124);
const QColor SnowLight(252, 253, 255);
const QColor SnowShade(164, 184, 226);
const QColor Coal(28, 30, 44);
const QColor Stick(118, 78, 44);
const QColor ScarfRed(214, 38, 52);
const QColor ScarfDark(126, 18, 34);

void snowBall(QPainter& p, QPointF centre, double rx, double ry) {
    QRadialGradient shade(centre + QPointF(-rx * 0.4, -ry * 0.45), std::max(rx, ry) * 1.5);
    shade.setColorAt(0, SnowLight);
    shade.setColorAt(0.55, QColor(226, 234, 250));
    shade.setColorAt(1, SnowShade);
    p.setPen(QPen(SnowOutline, 1.2));
    p.setBrush(shade);
    p.drawEllipse(centre, rx, ry);
}

void stickArm(QPainter& p, QPointF shoulder, QPointF hand) {
    outlinedLine(p, segment(shoulder, hand), 1.8, Stick, QColor(56, 34, 20));
    // Two twigs for fingers.
    const QPointF along = hand - shoulder;
    const double length = std::max(0.01, std::hypot(along.x(), along.y()));
    const QPointF unit = along / length;
    const QPointF side(-unit.y(), unit.x());
    for (const double sign : {-1.0, 1.0}) {
        const QPointF tip = hand + unit * 2.5 + side * sign * 2.5;
        outlinedLine(p, segment(hand - unit * 1.5, tip), 1.1, Stick, QColor(56, 34, 20));
    }
}

void drawSnowman(QPainter& p, const Stance& s) {
    const QTransform body = bodyTransform(s);
    const QPointF shoulderLeft = body.map(QPointF(25, 26));
    const QPointF shoulderRight = body.map(QPointF(39, 26));

    // Arms behind the body when seen from the side.
    const bool side = s.view == View::Left || s.view == View::Right;
    if (side)
        stickArm(p, s.view == View::Left ? shoulderRight : shoulderLeft,
                 s.view == View::Left ? s.handRight : s.handLeft);

    p.save();
    p.setTransform(body, true);
    snowBall(p, QPointF(32, 39), 11, 10);
    snowBall(p, QPointF(32, 26.5), 8.5, 7.8);

    // Scarf round the neck and its loose end.
    QPainterPath wrap;
    wrap.addRoundedRect(QRectF(24.5, 17.5, 15, 4.2), 2, 2);
    p.setPen(QPen(ScarfDark, 1));
    p.setBrush(ScarfRed);
    const double swing = s.scarf * 7;
    const double endX = s.view == View::Back ? 32 : (s.view == View::Left ? 36 : (s.view == View::Right ? 28 : 35));
    QPainterPath tail(QPointF(endX - 2, 20));
    tail.cubicTo(QPointF(endX - 2 + swing * 0.3, 25), QPointF(endX + swing * 0.8, 27), QPointF(endX + swing, 30));
    tail.lineTo(QPointF(endX + 3.5 + swing, 29.5));
    tail.cubicTo(QPointF(endX + 1 + swing * 0.8, 26), QPointF(endX + 2 + swing * 0.3, 23), QPointF(endX + 2, 20));
    tail.closeSubpath();
    p.drawPath(tail);
    p.drawPath(wrap);
    p.setPen(QPen(QColor(250, 220, 220), 0.9));
    p.drawLine(QPointF(27, 18.5), QPointF(27, 20.8));
    p.drawLine(QPointF(31, 18.5), QPointF(31, 20.8));
    p.drawLine(QPointF(35, 18.5), QPointF(35, 20.8));

    if (s.view != View::Back) {
        p.setPen(Qt::NoPen);
        p.setBrush(Coal);
        const double buttonX = s.view == View::Left ? 29.5 : (s.view == View::Right ? 34.5 : 32);
        p.drawEllipse(QPointF(buttonX, 25.5), 1.2, 1.2);
        p.drawEllipse(QPointF(buttonX, 30), 1.2, 1.2);
        p.drawEllipse(QPointF(buttonX, 36), 1.3, 1.3);
    }

    snowBall(p, QPointF(32, 12.5), 6.2, 6.0);

    // Face: coal eyes and a carrot pointing where he looks.
    if (s.view != View::Back) {
        const double look = s.view == View::Left ? -1 : (s.view == View::Right ? 1 : 0);
        p.setPen(Qt::NoPen);
        p.setBrush(Coal);
        if (look == 0) {
            p.drawEllipse(QPointF(29.6, 11.5), 1.1, 1.2);
            p.drawEllipse(QPointF(34.4, 11.5), 1.1, 1.2);
        } else {
            p.drawEllipse(QPointF(32 + look * 1.0, 11.3), 1.0, 1.2);
            p.drawEllipse(QPointF(32 + look * 4.0, 11.3), 0.9, 1.2);
        }
        QPainterPath carrot;
        if (look == 0) {
            carrot.moveTo(31, 13.2);
            carrot.lineTo(38.5, 15.2);
            carrot.lineTo(31.5, 15.4);
        } else {
            carrot.moveTo(32 + look * 4.5, 12.6);
            carrot.lineTo(32 + look * 12.0, 14.2);
            carrot.lineTo(32 + look * 4.5, 15.2);
        }
        carrot.closeSubpath();
        p.setPen(QPen(QColor(150, 60, 16), 0.8));
        p.setBrush(QColor(250, 128, 30));
        p.drawPath(carrot);
        p.setPen(Qt::NoPen);
        p.setBrush(Coal);
        for (int i = 0; i < 4; ++i) {
            const double x = 32 + look * 2 - 2.6 + i * 1.75;
            p.drawEllipse(QPointF(x, 16.2 + (i == 0 || i == 3 ? -0.5 : 0)), 0.55, 0.55);
        }
    }

    // Top hat with a red band.
    QPainterPath hat;
    hat.moveTo(27.2, 7);
    hat.lineTo(27.8, 0.8);
    hat.quadTo(32, 0.0, 36.2, 0.8);
    hat.lineTo(36.8, 7);
    hat.closeSubpath();
    QLinearGradient felt(27, 0, 37, 0);
    felt.setColorAt(0, QColor(70, 74, 96));
    felt.setColorAt(1, QColor(30, 30, 44));
    p.setPen(QPen(QColor(16, 16, 26), 0.9));
    p.setBrush(felt);
    p.drawPath(hat);
    p.setPen(Qt::NoPen);
    p.setBrush(ScarfRed);
    p.drawRect(QRectF(27.4, 4.6, 9.2, 1.6));
    p.setPen(QPen(QColor(16, 16, 26), 0.9));
    p.setBrush(QColor(44, 46, 62));
    p.drawEllipse(QPointF(32, 7.2), 7.6, 1.5);
    p.restore();

    if (side) {
        stickArm(p, s.view == View::Left ? shoulderLeft : shoulderRight,
                 s.view == View::Left ? s.handLeft : s.handRight);
    } else {
        stickArm(p, shoulderLeft, s.handLeft);
        stickArm(p, shoulderRight, s.handRight);
    }
    if (s.shot != 0) drawBurst(p, s.shot < 0 ? s.handLeft : s.handRight, s.shot, s.shotPhase);
}

// His stick arms reach further than a cop's.
constexpr Grip HeroGrip{0.8, 8, 6, 19, 8, 26};

Stance heroStance(int frame) {
    Stance s;
    s.handLeft = {15, 33};
    s.handRight = {49, 33};
    switch (frame) {
        case 0: break;
        case 1:
            // Breathing: a touch taller, arms lifted, the scarf stirring.
            s.squash = 1.03;
            s.handLeft = {14, 29};
            s.handRight = {50, 29};
            s.scarf = 0.35;
            break;
        case 2:
        case 3:
        case 4:
        case 5: {
            // A hop: squat then spring, leaning the way he goes.
            const double d = faceTo(s, frame <= 3 ? -1 : 1);
            const bool spring = frame % 2 == 1;
            s.tilt = d * (spring ? 7 : 3);
            s.squash = spring ? 1.0 : 0.93;
            s.dy = spring ? -2.5 : 0;
            s.dx = d * (spring ? 2 : 0);
            place(s.handLeft, s.handRight, d, spring ? QPointF(32 + d * 18, 21) : QPointF(32 + d * 17, 33),
                  spring ? QPointF(32 - d * 17, 35) : QPointF(32 - d * 16, 25));
            s.scarf = -d * (spring ? 1.0 : 0.6);
            break;
        }
        case 6:
        case 7:
            hang(s, HeroGrip, frame);
            s.scarf = frame == 6 ? 0.5 : -0.5;
            break;
        case 8:
        case 9:
        case 10:
        case 11: s.scarf = -alongBar(s, HeroGrip, frame) * (frame % 2 == 0 ? 1.0 : 0.5); break;
        case 12:
        case 13: s.scarf = climb(s, HeroGrip, frame) ? 0.3 : -0.3; break;
        case 14:
        case 15:
        case 16:
        case 17: {
            // The shot: the arm flung down to the turf beside him.
            const double d = faceTo(s, frame <= 15 ? -1 : 1);
            const bool blast = frame % 2 == 0;
            s.tilt = d * (blast ? 9 : 5);
            s.dx = -d * (blast ? 1.5 : 0);
            place(s.handLeft, s.handRight, d, blast ? QPointF(32 + d * 24, 43) : QPointF(32 + d * 22, 40),
                  QPointF(32 - d * 14, 22));
            s.scarf = -d;
            s.shot = static_cast<int>(d);
            s.shotPhase = blast ? 0 : 1;
            break;
        }
        default: break;
    }
    return s;
}

// ---------------------------------------------------------------- cop

const QColor CopOutline(18, 20, 48);
const QColor Uniform(42, 84, 190);
const QColor UniformDark(26, 50, 124);
const QColor Trousers(30, 44, 108);
const QColor Skin(242, 196, 158);
const QColor SkinShade(196, 140, 108);
const QColor Gold(238, 196, 64);
const QColor Boot(30, 30, 42);

void copArm(QPainter& p, QPointF shoulder, QPointF hand, double bend) {
    outlinedLine(p, limb(shoulder, hand, bend), 4.2, Uniform, CopOutline);
    p.setPen(QPen(CopOutline, 0.9));
    p.setBrush(Skin);
    p.drawEllipse(hand, 2.1, 2.1);
}

void copLeg(QPainter& p, QPointF hip, QPointF foot, double bend, int toes) {
    outlinedLine(p, limb(hip, foot, bend), 5.0, Trousers, CopOutline);
    p.setPen(QPen(CopOutline, 0.8));
    p.setBrush(Boot);
    p.drawEllipse(QRectF(foot.x() - 3.2 + toes * 1.3, foot.y() - 1.6, 6.4, 3.4));
}

void drawCop(QPainter& p, const Stance& s) {
    const QTransform body = bodyTransform(s);
    const bool side = s.view == View::Left || s.view == View::Right;
    const int facing = s.view == View::Left ? -1 : (s.view == View::Right ? 1 : 0);
    const QPointF hipLeft = body.map(QPointF(29, 34));
    const QPointF hipRight = body.map(QPointF(35, 34));
    const QPointF shoulderLeft = body.map(QPointF(side ? 30 : 25, 19.5));
    const QPointF shoulderRight = body.map(QPointF(side ? 34 : 39, 19.5));

    // The far limbs first, in a darker cloth.
    if (side) {
        const bool leftFar = facing > 0;
        copLeg(p, leftFar ? hipLeft : hipRight, leftFar ? s.footLeft : s.footRight, -facing * 1.5, facing);
        copArm(p, leftFar ? shoulderLeft : shoulderRight, leftFar ? s.handLeft : s.handRight, facing * 1.5);
    } else {
        copLeg(p, hipLeft, s.footLeft, 0.8, 0);
        copLeg(p, hipRight, s.footRight, -0.8, 0);
    }
    if (side) {
        const bool leftNear = facing < 0;
        copLeg(p, leftNear ? hipLeft : hipRight, leftNear ? s.footLeft : s.footRight, -facing * 1.5, facing);
    }

    p.save();
    p.setTransform(body, true);
    // Jacket.
    QPainterPath jacket;
    const double half = side ? 6.5 : 8.0;
    jacket.moveTo(32 - half, 35);
    jacket.lineTo(32 - half - 0.5, 21);
    jacket.quadTo(32 - half, 17.5, 32 - half + 3, 17.2);
    jacket.lineTo(32 + half - 3, 17.2);
    jacket.quadTo(32 + half, 17.5, 32 + half + 0.5, 21);
    jacket.lineTo(32 + half, 35);
    jacket.closeSubpath();
    QLinearGradient cloth(32 - half, 0, 32 + half, 0);
    cloth.setColorAt(0, Uniform.lighter(130));
    cloth.setColorAt(0.6, Uniform);
    cloth.setColorAt(1, UniformDark);
    p.setPen(QPen(CopOutline, 1.1));
    p.setBrush(cloth);
    p.drawPath(jacket);

    p.setPen(Qt::NoPen);
    if (s.view != View::Back) {
        // Shirt collar and tie.
        QPainterPath collar;
        const double cx = 32 + facing * 2.5;
        collar.moveTo(cx - 3, 17.4);
        collar.lineTo(cx + 3, 17.4);
        collar.lineTo(cx, 22);
        collar.closeSubpath();
        p.setBrush(QColor(170, 204, 244));
        p.drawPath(collar);
        p.setBrush(CopOutline);
        p.drawRect(QRectF(cx - 0.6, 18.5, 1.2, 4));
        // Badge and buttons.
        p.setBrush(Gold);
        if (facing <= 0)
            p.drawEllipse(QPointF(32 + (facing == 0 ? -4.2 : -2.5), 23), 1.8, 2.0);
        else
            p.drawEllipse(QPointF(34.5, 23), 1.8, 2.0);
        for (const double y : {25.0, 28.5}) p.drawEllipse(QPointF(cx, y), 0.8, 0.8);
    }
    // Belt with buckle.
    p.setBrush(QColor(44, 30, 26));
    p.drawRect(QRectF(32 - half, 31, 2 * half, 2.6));
    if (s.view != View::Back) {
        p.setBrush(Gold);
        p.drawRect(QRectF(32 + facing * 2.5 - 1.4, 31.2, 2.8, 2.2));
    }

    // Head.
    p.setPen(QPen(CopOutline, 1.0));
    p.setBrush(s.view == View::Back ? QColor(112, 70, 40) : Skin);
    p.drawEllipse(QPointF(32 + facing * 1.0, 11.5), 5.4, 5.6);
    if (s.view != View::Back) {
        p.setPen(Qt::NoPen);
        p.setBrush(Coal);
        if (facing == 0) {
            p.drawEllipse(QPointF(29.9, 11.2), 0.9, 1.0);
            p.drawEllipse(QPointF(34.1, 11.2), 0.9, 1.0);
        } else {
            p.drawEllipse(QPointF(32 + facing * 3.5, 11.2), 0.9, 1.0);
            // Nose.
            p.setBrush(SkinShade);
            p.drawEllipse(QPointF(32 + facing * 6.4, 12.6), 1.4, 1.2);
        }
        // A big moustache.
        QPainterPath tache;
        const double mx = 32 + facing * 3.2;
        tache.moveTo(mx - 3.4, 15.2);
        tache.quadTo(mx, 12.6, mx + 3.4, 15.2);
        tache.quadTo(mx, 14.4, mx - 3.4, 15.2);
        p.setPen(QPen(QColor(60, 36, 22), 0.8));
        p.setBrush(QColor(92, 56, 32));
        p.drawPath(tache);
        // Cross brows.
        p.setPen(QPen(QColor(60, 36, 22), 0.9));
        if (facing == 0) {
            p.drawLine(QPointF(28.4, 9.0), QPointF(31.0, 9.8));
            p.drawLine(QPointF(35.6, 9.0), QPointF(33.0, 9.8));
        } else {
            p.drawLine(QPointF(32 + facing * 2.2, 9.0), QPointF(32 + facing * 4.8, 9.8));
        }
    }

    // Peaked cap with a badge.
    QPainterPath crown;
    crown.moveTo(25.6, 8.4);
    crown.lineTo(24.6, 3.6);
    crown.quadTo(32, 0.4, 39.4, 3.6);
    crown.lineTo(38.4, 8.4);
    crown.closeSubpath();
    QLinearGradient capCloth(0, 1, 0, 8);
    capCloth.setColorAt(0, QColor(58, 78, 168));
    capCloth.setColorAt(1, QColor(26, 36, 92));
    p.setPen(QPen(CopOutline, 1.0));
    p.setBrush(capCloth);
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 24, 46));
    p.drawRect(QRectF(25.6, 6.6, 12.8, 1.8));
    if (s.view != View::Back) {
        QPainterPath visor;
        if (facing == 0) {
            visor.moveTo(26, 8.2);
            visor.quadTo(32, 11.2, 38, 8.2);
        } else {
            visor.moveTo(32, 8.2);
            visor.quadTo(32 + facing * 8, 8.0, 32 + facing * 9.5, 9.8);
            visor.lineTo(32 + facing * 4, 9.4);
        }
        visor.closeSubpath();
        p.setPen(QPen(QColor(14, 14, 28), 0.8));
        p.setBrush(QColor(30, 30, 48));
        p.drawPath(visor);
        p.setPen(Qt::NoPen);
        p.setBrush(Gold);
        p.drawEllipse(QPointF(32 + facing * 3.5, 4.6), 1.5, 1.6);
    }
    p.restore();

    if (side) {
        const bool leftNear = facing < 0;
        copArm(p, leftNear ? shoulderLeft : shoulderRight, leftNear ? s.handLeft : s.handRight, facing * 1.5);
    } else {
        copArm(p, shoulderLeft, s.handLeft, s.handLeft.y() < 15 ? 1.2 : -1.2);
        copArm(p, shoulderRight, s.handRight, s.handRight.y() < 15 ? -1.2 : 1.2);
    }
}

constexpr Grip CopGrip{0.86, 7, 7, 18, 7, 24};

Stance copStance(int frame) {
    Stance s;
    s.handLeft = {22, 33};
    s.handRight = {42, 33};
    s.footLeft = {29, 47};
    s.footRight = {35, 47};
    switch (frame) {
        case 0: break;
        case 1:
            // Impatient: one hand on the belt, the other raised in warning.
            s.handLeft = {26.5, 31};
            s.handRight = {45, 15};
            break;
        case 2:
        case 3:
        case 4:
        case 5: {
            // Striding.
            const double d = faceTo(s, frame <= 3 ? -1 : 1);
            const bool open = frame % 2 == 0;
            s.tilt = d * 4;
            s.dy = open ? 0.5 : -0.5;
            place(s.footLeft, s.footRight, d, open ? QPointF(32 + d * 8, 47) : QPointF(32 + d * 2, 47),
                  open ? QPointF(32 - d * 7, 46) : QPointF(32 - d * 1, 45));
            place(s.handLeft, s.handRight, d, open ? QPointF(32 - d * 8, 31) : QPointF(32 + d * 8, 30),
                  open ? QPointF(32 + d * 9, 29) : QPointF(32 - d * 7, 31));
            break;
        }
        case 6:
        case 7:
            hang(s, CopGrip, frame);
            s.footLeft = {frame == 6 ? 27.0 : 31.0, 48};
            s.footRight = {frame == 6 ? 33.0 : 37.0, 48};
            break;
        case 8:
        case 9:
        case 10:
        case 11: {
            const double d = alongBar(s, CopGrip, frame);
            const bool reach = frame % 2 == 0;
            place(s.footLeft, s.footRight, d, QPointF(32 + d * (reach ? 2 : 5), 48),
                  QPointF(32 - d * (reach ? 7 : 2), reach ? 45.0 : 48.0));
            break;
        }
        case 12:
        case 13: {
            const bool leftUp = climb(s, CopGrip, frame);
            s.footLeft = {28, leftUp ? 44.0 : 48.0};
            s.footRight = {36, leftUp ? 48.0 : 44.0};
            break;
        }
        default: break;
    }
    return s;
}

}  // namespace

void drawHeroFrame(QPainter& painter, int frame) { drawSnowman(painter, heroStance(frame)); }
void drawCopFrame(QPainter& painter, int frame) { drawCop(painter, copStance(frame)); }

QImage paintHero(int frame) {
    return paintCell(64, 50, Fit::KeepShape, [frame](QPainter& p) { drawHeroFrame(p, frame); });
}

QImage paintCop(int frame) {
    return paintCell(64, 50, Fit::KeepShape, [frame](QPainter& p) { drawCopFrame(p, frame); });
}

}  // namespace orbo::assetgen

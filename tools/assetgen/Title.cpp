// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <stdexcept>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Pictures.h"

namespace orbo::assetgen {
namespace {

constexpr int Width = 1024;
constexpr int Height = 768;
// The title's letters come from this font file alone, so the picture does not
// depend on the fonts a machine happens to have.
constexpr const char* TitleFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

QString titleFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(TitleFontFile);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty())
            throw std::runtime_error(std::string("cannot load the font ") + TitleFontFile);
        return families.front();
    }();
    return family;
}

// Outlines of the text, so no hinting or font smoothing of the machine plays a part.
QPainterPath textPath(const QString& text, int pixelSize, QPointF centreBaseline) {
    QFont font(titleFamily());
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centreBaseline.x() - box.center().x(), centreBaseline.y());
    return path;
}

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, QColor(6, 10, 34));
    sky.setColorAt(0.55, QColor(22, 34, 86));
    sky.setColorAt(1, QColor(52, 70, 132));
    p.fillRect(QRectF(0, 0, Width, Height), sky);

    // Northern lights: soft ribbons of green and teal.
    p.setPen(Qt::NoPen);
    for (int band = 0; band < 3; ++band) {
        QPainterPath ribbon;
        const double base = 150 + band * 38;
        ribbon.moveTo(0, base);
        for (int x = 0; x <= Width; x += 16)
            ribbon.lineTo(x, base + 34 * std::sin(x / 150.0 + band * 1.7) + 14 * std::sin(x / 47.0 + band));
        for (int x = Width; x >= 0; x -= 16) ribbon.lineTo(x, base - 70 + 24 * std::sin(x / 120.0 + band * 2.3));
        ribbon.closeSubpath();
        QLinearGradient glow(0, base - 80, 0, base + 40);
        glow.setColorAt(0, QColor(40, 200, 160, 0));
        glow.setColorAt(0.7, QColor(band == 1 ? 60 : 40, 220, band == 2 ? 200 : 140, 46));
        glow.setColorAt(1, QColor(40, 200, 160, 0));
        p.setBrush(glow);
        p.drawPath(ribbon);
    }

    Rng rng(1024);
    for (int i = 0; i < 260; ++i) {
        const double x = rng.range(0, Width);
        const double y = rng.range(0, 470);
        const double size = rng.range(0.5, 1.6);
        const int level = static_cast<int>(rng.range(140, 255));
        p.setBrush(QColor(level, level, std::min(255, level + 20)));
        p.drawEllipse(QPointF(x, y), size, size);
    }
    // A few bright stars with a sparkle.
    p.setPen(QPen(QColor(220, 230, 255), 1.0));
    for (int i = 0; i < 9; ++i) {
        const QPointF at(rng.range(20, Width - 20), rng.range(20, 420));
        p.drawLine(at - QPointF(5, 0), at + QPointF(5, 0));
        p.drawLine(at - QPointF(0, 5), at + QPointF(0, 5));
    }

    // The moon and its halo.
    const QPointF moon(900, 92);
    QRadialGradient halo(moon, 150);
    halo.setColorAt(0, QColor(200, 220, 255, 90));
    halo.setColorAt(1, QColor(200, 220, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(moon, 150, 150);
    QRadialGradient face(moon - QPointF(14, 14), 60);
    face.setColorAt(0, QColor(255, 254, 240));
    face.setColorAt(1, QColor(214, 220, 236));
    p.setBrush(face);
    p.drawEllipse(moon, 52, 52);
    p.setBrush(QColor(190, 198, 220));
    p.drawEllipse(moon + QPointF(-16, 10), 9, 8);
    p.drawEllipse(moon + QPointF(14, -12), 6, 6);
    p.drawEllipse(moon + QPointF(18, 20), 5, 4);
}

void paintHills(QPainter& p) {
    p.setPen(Qt::NoPen);
    const struct {
        double base, amplitude, period;
        QColor top, bottom;
    } ranges[] = {{520, 40, 210, QColor(90, 110, 170), QColor(60, 76, 130)},
                  {580, 30, 140, QColor(150, 170, 214), QColor(96, 114, 170)}};
    for (const auto& range : ranges) {
        QPainterPath hills;
        hills.moveTo(0, Height);
        for (int x = 0; x <= Width; x += 8)
            hills.lineTo(x, range.base - range.amplitude * std::sin(x / range.period) -
                                0.4 * range.amplitude * std::sin(x / (range.period / 3.1) + 1.0));
        hills.lineTo(Width, Height);
        hills.closeSubpath();
        QLinearGradient shade(0, range.base - range.amplitude, 0, Height);
        shade.setColorAt(0, range.top);
        shade.setColorAt(1, range.bottom);
        p.setBrush(shade);
        p.drawPath(hills);
    }
    // Snowy firs along the far hills.
    Rng rng(77);
    for (int i = 0; i < 16; ++i) {
        const double x = 20 + i * 64 + rng.range(-14, 14);
        const double base = 560 - 30 * std::sin(x / 140.0) + rng.range(0, 14);
        const double h = rng.range(40, 76);
        for (int tier = 0; tier < 3; ++tier) {
            const double top = base - h + tier * h * 0.26;
            const double w = h * (0.28 + tier * 0.12);
            QPainterPath fir;
            fir.moveTo(x, top);
            fir.lineTo(x + w, top + h * 0.42);
            fir.lineTo(x - w, top + h * 0.42);
            fir.closeSubpath();
            p.setBrush(QColor(26, 62, 58));
            p.drawPath(fir);
            QPainterPath cap;
            cap.moveTo(x, top);
            cap.lineTo(x + w * 0.45, top + h * 0.19);
            cap.lineTo(x - w * 0.45, top + h * 0.19);
            cap.closeSubpath();
            p.setBrush(QColor(226, 236, 252));
            p.drawPath(cap);
        }
    }
}

// The game's world at 1.5 times its play size, laid so that the menu, which
// shows this picture behind a column of buttons in its middle, keeps the
// figures in view on either side and its own three figures on the ground.
constexpr double Cell = 1.5;
constexpr double WorldTop = 18;

void tile(QPainter& p, const QImage& picture, int col, int row) {
    p.drawImage(QPointF(col * 64 * Cell, WorldTop + row * 50 * Cell), picture);
}

void paintWorld(QPainter& p) {
    const int w = static_cast<int>(64 * Cell);
    const int h = static_cast<int>(50 * Cell);
    const QImage bricks = paintBricks(w, h);
    const QImage turf = paintTurf(w, h);
    const QImage ladder = paintLadder(w, h);
    const QImage bar = paintBar(w, h);

    for (int col = 0; col < 11; ++col) tile(p, turf, col, 9);
    for (int col = 0; col < 3; ++col) tile(p, bricks, col, 6);
    for (int row = 6; row < 9; ++row) tile(p, ladder, 1, row);
    for (int col = 8; col < 11; ++col) tile(p, bricks, col, 5);
    for (int row = 5; row < 9; ++row) tile(p, ladder, 8, row);
    for (int col = 5; col < 8; ++col) tile(p, bar, col, 5);
    tile(p, turf, 3, 6);

    const auto figure = [&](auto draw, int frame, double col, double row, double scale) {
        p.save();
        p.translate(col * 64 * Cell, WorldTop + row * 50 * Cell);
        p.scale(Cell * scale, Cell * scale);
        draw(p, frame);
        p.restore();
    };
    figure(drawCopFrame, 4, 0.2, 5, 1.0);
    figure(drawCopFrame, 12, 1.0, 7.3, 1.0);
    figure(drawCopFrame, 8, 7.0, 5, 1.0);
    figure(drawKettleFrame, 10, 9.0, 4, 1.0);
    figure(drawKettleFrame, 30, 10.0, 4, 1.0);
    figure(drawKettleFrame, 44, 0.1, 8, 1.0);
    figure(drawHeroFrame, 2, 9.25, 7.53, 1.5);
}

void paintSnowfall(QPainter& p) {
    Rng rng(512);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 180; ++i) {
        const QPointF at(rng.range(0, Width), rng.range(0, Height));
        const double size = rng.range(0.8, 2.8);
        p.setBrush(QColor(236, 242, 255, static_cast<int>(rng.range(120, 230))));
        p.drawEllipse(at, size, size);
    }
}

void paintName(QPainter& p) {
    const QPainterPath name = textPath(QStringLiteral("ОРБО"), 150, QPointF(Width / 2.0, 134));
    // Shadow, a dark rim, icy letters, and snow lying along their tops.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(4, 6, 20, 150));
    p.drawPath(name.translated(7, 8));
    p.setPen(QPen(QColor(10, 20, 60), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    QLinearGradient ice(0, 24, 0, 134);
    ice.setColorAt(0, QColor(255, 255, 255));
    ice.setColorAt(0.45, QColor(170, 214, 255));
    ice.setColorAt(1, QColor(40, 110, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(ice);
    p.drawPath(name);
    p.save();
    p.setClipPath(name);
    p.setBrush(QColor(250, 252, 255));
    const QRectF box = name.boundingRect();
    QPainterPath drift;
    drift.moveTo(box.left(), box.top());
    for (int step = 0; box.left() + 10.0 * step <= box.right(); ++step) {
        const double x = box.left() + 10.0 * step;
        drift.lineTo(x, box.top() + 15 + 5 * std::sin(x / 13.0) + 3 * std::sin(x / 5.0));
    }
    drift.lineTo(box.right(), box.top());
    drift.closeSubpath();
    p.drawPath(drift);
    p.restore();
}

}  // namespace

QImage paintTitle() {
    QImage canvas = newCanvas(Width, Height);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    paintSky(p);
    paintHills(p);
    paintWorld(p);
    paintSnowfall(p);
    paintName(p);
    return canvas;
}

}  // namespace orbo::assetgen

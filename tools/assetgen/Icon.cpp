// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/Icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "common/DesktopNames.h"
#include "common/ProgramFiles.h"
#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Pictures.h"

namespace orbo::assetgen {
namespace {

// Icons are drawn on a 64-unit square whatever their pixel size.
constexpr double Unit = 64.0;

QPainterPath tileOutline() {
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, Unit - 4, Unit - 4), 11, 11);
    return tile;
}

// The rounded tile of both icons: a winter night over a snowy floor.
void paintTile(QPainter& p) {
    const QPainterPath tile = tileOutline();
    QLinearGradient sky(0, 2, 0, Unit - 2);
    sky.setColorAt(0, QColor(10, 16, 50));
    sky.setColorAt(1, QColor(48, 70, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(tile);

    p.save();
    p.setClipPath(tile);
    p.setBrush(QColor(226, 236, 250));
    p.drawEllipse(QRectF(-12, 50, Unit + 24, 30));
    p.setBrush(QColor(250, 240, 170));
    p.drawPath(star(QPointF(12, 13), 4, 4.5, 1.4));
    p.drawPath(star(QPointF(52, 20), 4, 3, 1));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(6, 8, 24), 1.5));
    p.drawPath(tile);
}

// The painter as the drawing code of one picture cell expects it: the cell's
// 64 x 50 units mapped onto `area` of the icon.
void paintCellInto(QPainter& p, const QRectF& area, const std::function<void(QPainter&)>& draw) {
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 64.0, area.height() / 50.0);
    draw(p);
    p.restore();
}

QImage paintIcon(int size, const std::function<void(QPainter&)>& draw) {
    if (size <= 0) throw std::invalid_argument("icon size must be positive");
    QImage canvas = newCanvas(size, size);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(size / Unit, size / Unit);
    paintTile(p);
    draw(p);
    return canvas;
}

void savePng(const QImage& image, const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) throw std::runtime_error("cannot create " + file.parent_path().string() + ": " + error.message());
    if (!image.save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

QImage paintGameIcon(int size) {
    return paintIcon(size, [](QPainter& p) {
        // The snowman fills most of the tile; his feet stand in the snow.
        paintCellInto(p, QRectF(-4, 3, 72, 56.25), [](QPainter& cell) { drawHeroFrame(cell, 0); });
    });
}

QImage paintEditorIcon(int size) {
    return paintIcon(size, [](QPainter& p) {
        // A corner of a level being painted: a ladder down to bricks and turf, a kettle.
        constexpr double CellW = 24;
        constexpr double CellH = 18;
        const auto area = [](int col, int row) { return QRectF(8 + col * CellW, 6 + row * CellH, CellW, CellH); };
        // Tiles are painted at the pixels they cover, so they stay sharp at every size.
        const double pixels = p.transform().m11();
        const int width = static_cast<int>(std::lround(CellW * pixels));
        const int height = static_cast<int>(std::lround(CellH * pixels));
        p.save();
        p.setClipPath(tileOutline());
        p.drawImage(area(0, 0), paintLadder(width, height));
        p.drawImage(area(0, 1), paintLadder(width, height));
        p.drawImage(area(0, 2), paintBricks(width, height));
        p.drawImage(area(1, 2), paintTurf(width, height));
        p.restore();
        paintCellInto(p, area(1, 1), [](QPainter& cell) { drawKettleFrame(cell, 0); });

        // The editor's tool, a pencil, over the empty cell it is about to fill.
        p.translate(44, 22);
        p.rotate(40);
        p.setPen(QPen(QColor(40, 30, 10), 0.8));
        p.setBrush(QColor(240, 180, 40));
        p.drawRect(QRectF(-3, -14, 6, 18));
        p.setBrush(QColor(240, 150, 150));
        p.drawRect(QRectF(-3, -17, 6, 3));
        QPainterPath tip(QPointF(-3, 4));
        tip.lineTo(3, 4);
        tip.lineTo(0, 10);
        tip.closeSubpath();
        p.setBrush(QColor(240, 214, 170));
        p.drawPath(tip);
    });
}

void writeIcons(const std::filesystem::path& iconRoot) {
    for (const int size : program_files::IconSizes) {
        savePng(paintGameIcon(size), iconRoot / program_files::themeIcon(desktop::GameIcon, size));
        savePng(paintEditorIcon(size), iconRoot / program_files::themeIcon(desktop::EditorIcon, size));
    }
}

}  // namespace orbo::assetgen

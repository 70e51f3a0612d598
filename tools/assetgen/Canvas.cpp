// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/Canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbo::assetgen {
namespace {

// About 72 dpi, so the files carry no trace of the machine's screen.
constexpr int DotsPerMeter = 2835;

// A pixel covered less than this is left to the background; above it the
// composited colour is kept, lifted just enough to stay visible in 16-bit.
constexpr int MinCoverage = 96;

// High enough that the ringing round a sprite's edge stays too dark to show.
constexpr int JpegQuality = 100;

void fixDensity(QImage& picture) {
    picture.setDotsPerMeterX(DotsPerMeter);
    picture.setDotsPerMeterY(DotsPerMeter);
}

void writeFile(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.toStdString());
}

// The picture as the bytes of a file in the given format, 24-bit at 72 dpi.
QByteArray encode(const QImage& picture, const char* format, const QString& file, int quality = -1) {
    QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    fixDensity(rgb);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!rgb.save(&buffer, format, quality))
        throw std::runtime_error(std::string("cannot encode ") + format + " " + file.toStdString());
    return bytes;
}

// A patch of background of a few pixels shut in by the figure (between two
// twigs, say) would show as a black speck; it takes the colour of the darkest
// figure pixel beside it instead.
void closePinholes(QImage& sprite) {
    constexpr int LargestPinhole = 6;
    const int w = sprite.width();
    const int h = sprite.height();
    const auto clear = [&](int x, int y) { return QColor(sprite.pixel(x, y)).rgb() == qRgb(0, 0, 0); };
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[static_cast<std::size_t>(y0 * w + x0)] || !clear(x0, y0)) continue;
            std::vector<QPoint> patch{{x0, y0}};
            seen[static_cast<std::size_t>(y0 * w + x0)] = 1;
            bool edge = false;
            QRgb darkest = qRgb(255, 255, 255);
            for (std::size_t i = 0; i < patch.size(); ++i) {
                const QPoint p = patch[i];
                edge = edge || p.x() == 0 || p.y() == 0 || p.x() == w - 1 || p.y() == h - 1;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + step;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h) continue;
                    if (!clear(n.x(), n.y())) {
                        const QRgb c = sprite.pixel(n);
                        if (qGray(c) < qGray(darkest)) darkest = c;
                        continue;
                    }
                    char& mark = seen[static_cast<std::size_t>(n.y() * w + n.x())];
                    if (!mark) {
                        mark = 1;
                        patch.push_back(n);
                    }
                }
            }
            if (edge || patch.size() > LargestPinhole) continue;
            for (const QPoint p : patch) sprite.setPixel(p, darkest);
        }
}

}  // namespace

QImage newCanvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QImage toSprite(const QImage& canvas) {
    const QImage source = canvas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage sprite(source.size(), QImage::Format_RGB888);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = sprite.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = in[x];
            int r = 0, g = 0, b = 0;
            if (qAlpha(pixel) >= MinCoverage) {
                r = std::max(qRed(pixel), MinRed);
                g = std::max(qGreen(pixel), MinGreen);
                b = std::max(qBlue(pixel), MinBlue);
            }
            out[3 * x] = static_cast<uchar>(r);
            out[3 * x + 1] = static_cast<uchar>(g);
            out[3 * x + 2] = static_cast<uchar>(b);
        }
    }
    closePinholes(sprite);
    fixDensity(sprite);
    return sprite;
}

QImage toOpaque(const QImage& canvas) {
    QImage picture(canvas.size(), QImage::Format_RGB888);
    picture.fill(Qt::black);
    {
        QPainter painter(&picture);
        painter.drawImage(0, 0, canvas);
    }
    fixDensity(picture);
    return picture;
}

void saveBmp(const QImage& picture, const QString& file) { writeFile(file, encode(picture, "BMP", file)); }

QImage saveJpeg(const QImage& picture, const QString& file) {
    const QByteArray bytes = encode(picture, "JPEG", file, JpegQuality);
    writeFile(file, bytes);
    QImage decoded;
    if (!decoded.loadFromData(bytes, "JPEG")) throw std::runtime_error("cannot decode JPEG " + file.toStdString());
    return decoded;
}

QImage paintCell(int width, int height, Fit fit, const std::function<void(QPainter&)>& draw) {
    QImage canvas = newCanvas(width, height);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    if (fit == Fit::Stretch) {
        p.scale(width / 64.0, height / 50.0);
    } else {
        const double scale = std::min(width / 64.0, height / 50.0);
        p.translate((width - 64 * scale) / 2, (height - 50 * scale) / 2);
        p.scale(scale, scale);
    }
    draw(p);
    return canvas;
}

QPainterPath star(QPointF centre, int points, double outer, double inner, double squash) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = i * M_PI / points;
        const double radius = (i % 2 == 0) ? outer : inner;
        const QPointF point = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius * squash);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

std::uint64_t Rng::nextBits() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    const auto lerp = [t](int x, int y) { return static_cast<int>(std::trunc(x + (y - x) * t + 0.5)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

}  // namespace orbo::assetgen

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <functional>

class QPainter;

namespace orbo::assetgen {

// Pure black is the transparent colour on the play screen. A visible pixel must
// survive the drop to 16-bit colour, so none of its channels may fall below these.
constexpr int MinRed = 8;
constexpr int MinGreen = 4;
constexpr int MinBlue = 8;

// A clear canvas to paint one picture on, antialiased painting assumed.
QImage newCanvas(int width, int height);

// The sprite as the game reads it: what is covered well enough becomes a colour
// that stays visible in 16-bit, everything else pure black.
QImage toSprite(const QImage& canvas);

// An opaque picture (the title): composited over black, no transparency rules.
QImage toOpaque(const QImage& canvas);

// 24-bit BMP, as the game's and the editor's loaders read it.
void saveBmp(const QImage& picture, const QString& file);
// JPEG source of a picture the menu converts; returns the picture as decoded
// back from the file, which is what the converted BMP will hold.
QImage saveJpeg(const QImage& picture, const QString& file);

// A picture drawn for a 64 x 50 cell, painted antialiased at width x height:
// a tile stretches to fill its cell, a figure keeps its shape and is centred.
enum class Fit { Stretch, KeepShape };
QImage paintCell(int width, int height, Fit fit, const std::function<void(QPainter&)>& draw);

// A star of `points` rays round centre, its height squashed by squash.
QPainterPath star(QPointF centre, int points, double outer, double inner, double squash = 1.0);

// A small deterministic generator, independent of the standard library's
// distributions, so the same seed draws the same values everywhere.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t nextBits();
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(nextBits() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double low, double high) { return low + (high - low) * uniform(); }

private:
    std::uint64_t state_;
};

QColor mix(const QColor& a, const QColor& b, double t);

}  // namespace orbo::assetgen

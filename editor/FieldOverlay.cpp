// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FieldOverlay.h"

#include <QPainter>

#include "editor/FieldView.h"

namespace orbo {
namespace {

constexpr int Width = FieldView::CellWidth;
constexpr int Height = FieldView::CellHeight;

const QColor OutlineColour(255, 255, 255, 48);
const QColor HeroStartColour(0x40, 0xC0, 0xFF);
const QColor CopStartColour(0xFF, 0xA0, 0x20);
const QColor UnreachableColour(0xFF, 0x20, 0x20);

QRect cellRect(int col, int row) { return {col * Width, row * Height, Width, Height}; }

// A frame just inside the cell and a letter in its top left corner: the
// picture's middle stays in sight.
void markCell(QPainter& painter, int col, int row, const QColor& colour, const QString& letter) {
    const QRect cell = cellRect(col, row);
    painter.setPen(QPen(colour, 2, Qt::DashLine));
    painter.drawRect(cell.adjusted(1, 1, -2, -2));
    if (letter.isEmpty()) return;
    painter.setPen(colour);
    painter.drawText(cell.adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, letter);
}

}  // namespace

FieldOverlay::FieldOverlay(QWidget* field) : QWidget(field) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(field->rect());
    QFont small = font();
    small.setPixelSize(10);
    small.setBold(true);
    setFont(small);
}

void FieldOverlay::setGuidesShown(bool shown) {
    guidesShown_ = shown;
    update();
}

void FieldOverlay::setUnreachableKettles(const levelcheck::CellSet& cells) {
    unreachableKettles_ = cells;
    update();
}

void FieldOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (guidesShown_) {
        painter.setPen(OutlineColour);
        for (int col = 1; col < FieldColumns; ++col) painter.drawLine(col * Width, 0, col * Width, height());
        for (int row = 1; row < FieldRows; ++row) painter.drawLine(0, row * Height, width(), row * Height);
        markCell(painter, levelcheck::HeroStartCol, levelcheck::HeroStartRow, HeroStartColour, QStringLiteral("Г"));
        markCell(painter, levelcheck::CopStartCol, levelcheck::CopStartRow, CopStartColour, QStringLiteral("К"));
    }
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col)
            if (unreachableKettles_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]) {
                painter.setPen(QPen(UnreachableColour, 3));
                painter.drawRect(cellRect(col, row).adjusted(1, 1, -2, -2));
            }
}

}  // namespace orbo

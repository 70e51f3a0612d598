// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FieldView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include "common/Grids.h"

namespace orbo {

FieldView::FieldView(QWidget* parent) : QWidget(parent) {
    setFixedSize(FieldColumns * CellWidth, FieldRows * CellHeight);
    // Moves must reach the grid even with no button pressed; the cells let
    // them through so that the grid alone maps the pointer to a cell.
    setMouseTracking(true);
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            auto* cell = new QLabel(this);
            cell->setGeometry(col * CellWidth, row * CellHeight, CellWidth, CellHeight);
            cell->setAttribute(Qt::WA_TransparentForMouseEvents);
            cells_[static_cast<std::size_t>(row * FieldColumns + col)] = cell;
        }
    }
}

void FieldView::setCellPicture(int number, const QPixmap& picture) {
    if (number < 1 || number > CellCount) return;
    cells_[static_cast<std::size_t>(number - 1)]->setPixmap(picture);
}

int FieldView::cellAt(QPoint point) {
    if (point.x() < 0 || point.y() < 0) return 0;
    const int col = point.x() / CellWidth;
    const int row = point.y() / CellHeight;
    if (col >= FieldColumns || row >= FieldRows) return 0;
    return row * FieldColumns + col + 1;
}

void FieldView::mouseMoveEvent(QMouseEvent* event) {
    // With a button held the grid keeps receiving moves even outside itself.
    if (const int number = cellAt(event->position().toPoint())) emit pointerMovedOverCell(number);
}

}  // namespace orbo

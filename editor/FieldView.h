// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPixmap;

namespace orbo {

// The grid of 240 cell pictures, 16 x 15 at a pitch of 40 x 30 pixels. Cells
// are numbered row by row from 1 at the top left. The grid reports every
// pointer movement over a cell, with or without a mouse button pressed.
class FieldView : public QWidget {
    Q_OBJECT
public:
    static constexpr int CellWidth = 40;
    static constexpr int CellHeight = 30;
    static constexpr int CellCount = 240;

    explicit FieldView(QWidget* parent = nullptr);

    // Number 1..240; any other number is ignored.
    void setCellPicture(int number, const QPixmap& picture);

    // The number of the cell holding a point of the grid, or 0 outside the cells.
    static int cellAt(QPoint point);

signals:
    void pointerMovedOverCell(int number);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::array<QLabel*, CellCount> cells_{};
};

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "tools/levelcheck/LevelCheck.h"

namespace orbo {

// Drawn over the grid's pictures and never part of the level: faint cell
// outlines and marks on the hero's and the cops' start cells (the guides,
// which G shows and hides), and a red frame around every kettle the level
// check finds out of the hero's reach. The pointer passes through it.
class FieldOverlay : public QWidget {
    Q_OBJECT
public:
    explicit FieldOverlay(QWidget* field);

    bool guidesShown() const { return guidesShown_; }
    void setGuidesShown(bool shown);
    void setUnreachableKettles(const levelcheck::CellSet& cells);
    const levelcheck::CellSet& unreachableKettles() const { return unreachableKettles_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool guidesShown_ = true;
    levelcheck::CellSet unreachableKettles_{};
};

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace orbo {

// How many strokes undo can go back.
constexpr int HistorySteps = 500;

// Puts a code into a grid cell (1..240) and shows its picture.
using CellPainter = std::function<void(int cell, std::int32_t code)>;

// One stroke of painting: every cell painted while Space was held once. Each
// painted cell comes as a command of its own and merges into the stroke before
// it, so undo takes back the whole stroke, however far it has got.
class StrokeCommand final : public QUndoCommand {
public:
    StrokeCommand(const CellPainter& paint, int stroke, int cell, std::int32_t before, std::int32_t after);

    void undo() override;
    void redo() override;
    int id() const override { return MergeId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int MergeId = 1;

    const CellPainter& paint_;
    int stroke_;
    // The code each cell had before the stroke and has after it.
    std::map<int, std::pair<std::int32_t, std::int32_t>> cells_;
};

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/StrokeHistory.h"

#include <algorithm>

namespace orbo {

StrokeCommand::StrokeCommand(const CellPainter& paint, int stroke, int cell, std::int32_t before, std::int32_t after)
    : QUndoCommand(QStringLiteral("мазок")), paint_(paint), stroke_(stroke) {
    cells_[cell] = {before, after};
    // Painting a cell with the block it already holds changes nothing to take back.
    setObsolete(before == after);
}

void StrokeCommand::undo() {
    for (const auto& [cell, codes] : cells_) paint_(cell, codes.first);
}

void StrokeCommand::redo() {
    for (const auto& [cell, codes] : cells_) paint_(cell, codes.second);
}

bool StrokeCommand::mergeWith(const QUndoCommand* other) {
    const auto& next = static_cast<const StrokeCommand&>(*other);
    if (next.stroke_ != stroke_) return false;
    for (const auto& [cell, codes] : next.cells_) {
        const auto [where, added] = cells_.try_emplace(cell, codes);
        if (!added) where->second.second = codes.second;
    }
    // A stroke that put every cell back as it was is no step at all.
    setObsolete(
        std::ranges::all_of(cells_, [](const auto& entry) { return entry.second.first == entry.second.second; }));
    return true;
}

}  // namespace orbo

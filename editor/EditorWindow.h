// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <QUndoStack>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "common/Grids.h"
#include "editor/EditorDialogs.h"
#include "editor/GameWatch.h"
#include "editor/KeyTracker.h"
#include "editor/LoadBlockPictures.h"
#include "editor/StrokeHistory.h"

class QLabel;
class QListWidget;
class QMenu;

namespace orbo {

class FieldOverlay;
class FieldView;

// The editor's one window: the grid painted with the digit keys, the Space bar
// and the pointer, undone a stroke at a time, checked as it is painted, and the
// menu that opens, saves and plays level files.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder holds the graphics and level folders and the game program.
    EditorWindow(std::filesystem::path programFolder, std::unique_ptr<EditorDialogs> dialogs,
                 QWidget* parent = nullptr);

    // Shows the picture of block (0..5) in cell (1..240); any
    // other code leaves the cell as it was. The grid itself is the caller's.
    void showBlock(std::int32_t cell, std::int32_t block);

    void openLevel();
    // Into the program's level folder, or where that takes nothing, the player's own.
    void saveLevel();
    // The grid, saved or not, straight into the game beside the editor; one game at a time.
    void playLevel();

    const EditorGrid& editorGrid() const { return grid_; }
    std::int32_t currentBlock() const { return currentBlock_; }
    std::int32_t paintKeyHeld() const { return paintKeyHeld_; }

public slots:
    // One tick of the key poll: the digit keys choose the block, Space arms painting.
    void pollKeys();

private:
    void buildMenu();
    void buildEditMenu();
    void buildClientArea();
    void paintCell(int cell);
    void setCell(int cell, std::int32_t code);
    void showChosenBlock();
    void checkLevel();

    std::filesystem::path programFolder_;
    std::unique_ptr<EditorDialogs> dialogs_;
    KeyTracker keyTracker_;
    LoadedBlockPictures blockPictures_;
    EditorGrid grid_;
    std::int32_t currentBlock_ = Empty;
    std::int32_t paintKeyHeld_ = 0;
    // Counts the strokes: a stroke ends when the poll finds Space released.
    int stroke_ = 0;
    CellPainter cellPainter_;
    QUndoStack history_;
    QMenu* fileMenu_ = nullptr;
    FieldView* field_ = nullptr;
    FieldOverlay* overlay_ = nullptr;
    QListWidget* blockList_ = nullptr;
    QLabel* checkLine_ = nullptr;
    QTimer* keyPollTimer_ = nullptr;
    // Checks the level once painting has paused.
    QTimer checkTimer_;
    GameWatch game_;
    std::filesystem::path lastSave_;
};

}  // namespace orbo

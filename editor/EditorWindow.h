#pragma once

#include <QMainWindow>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "common/Grids.h"
#include "editor/EditorDialogs.h"
#include "editor/KeyTracker.h"
#include "editor/LoadBlockPictures.h"
#include "editor/TrialLevels.h"

class QListWidget;
class QTimer;

namespace orbo {

class FieldView;

// The editor's one window: the grid painted with the digit keys, the Space bar
// and the pointer, and the menu that opens, saves and plays level files.
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
    // The grid, saved or not, straight into the game beside the editor.
    void playLevel();

    const EditorGrid& editorGrid() const { return grid_; }
    std::int32_t currentBlock() const { return currentBlock_; }
    std::int32_t paintKeyHeld() const { return paintKeyHeld_; }

public slots:
    // One tick of the key poll: the digit keys choose the block, Space arms painting.
    void pollKeys();

private:
    void buildMenu();
    void buildClientArea();
    void paintCell(int cell);
    void showChosenBlock();

    std::filesystem::path programFolder_;
    std::unique_ptr<EditorDialogs> dialogs_;
    KeyTracker keyTracker_;
    LoadedBlockPictures blockPictures_;
    EditorGrid grid_;
    std::int32_t currentBlock_ = Empty;
    std::int32_t paintKeyHeld_ = 0;
    FieldView* field_ = nullptr;
    QListWidget* blockList_ = nullptr;
    TrialLevels trialLevels_;
    QTimer* keyPollTimer_ = nullptr;
};

}  // namespace orbo

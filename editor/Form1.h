#pragma once

#include <QMainWindow>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "common/Grids.h"
#include "editor/EditorDialogs.h"
#include "editor/KeyTracker.h"
#include "editor/LoadBlockPictures.h"

class QTimer;

namespace orbo {

class FieldView;

// The editor's one window: the grid painted with the digit keys, the Space bar
// and the pointer, and the menu that opens and saves level files.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // programFolder holds the graphics and level folders.
    Form1(std::filesystem::path programFolder, std::unique_ptr<EditorDialogs> dialogs, QWidget* parent = nullptr);

    // Shows the picture of block картинка (0..5) in cell номер (1..240); any
    // other code leaves the cell as it was. The grid itself is the caller's.
    void ПоменятьКартинку(std::int32_t номер, std::int32_t картинка);

    void ОткрытьИгру();
    void СохранитьИгру();

    const EditorGrid& editorGrid() const { return grid_; }
    std::int32_t currentBlock() const { return CurrentBlock; }
    std::int32_t paintKeyHeld() const { return PaintKeyHeld; }

public slots:
    // One tick of Timer1: the digit keys choose the block, Space arms painting.
    void pollKeys();

private:
    void buildMenu();
    void buildClientArea();
    void paintCell(int номер);

    std::filesystem::path programFolder_;
    std::unique_ptr<EditorDialogs> dialogs_;
    KeyTracker keyTracker_;
    LoadedBlockPictures blockPictures_;
    EditorGrid grid_;
    std::int32_t CurrentBlock = Empty;
    std::int32_t PaintKeyHeld = 0;
    FieldView* поле_ = nullptr;
    QTimer* timer1_ = nullptr;
};

}  // namespace orbo

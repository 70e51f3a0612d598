// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QShortcut>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/formats/LevelFile.h"
#include "editor/CheckLine.h"
#include "editor/FieldOverlay.h"
#include "editor/FieldView.h"
#include "editor/PathText.h"
#include "editor/SaveFolders.h"
#include "editor/TrialLevel.h"
#include "editor/UserLevelFolder.h"

namespace orbo {
namespace {

constexpr int ClientWidth = 640;
constexpr int ClientHeight = 533;
const QColor Green(0x00, 0xFF, 0x00);
const QColor Yellow(0xFF, 0xE0, 0x00);

constexpr const char* LevelFileFilter = "*.orb";

constexpr int FirstKeyCode = 1;
constexpr int LastKeyCode = 255;
// The poll runs every millisecond while a key is down or unread, and rests in
// between: an idle editor costs no processor time. A press wakes it at once.
constexpr int KeyPollMs = 1;
constexpr int RestingPollMs = 500;
// The level is checked once painting has paused this long, so that a stroke never waits for it.
constexpr int CheckPauseMs = 200;

QPalette greenOnBlack(QPalette palette) {
    for (const auto role : {QPalette::Window, QPalette::Base}) palette.setColor(role, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text}) palette.setColor(role, Green);
    return palette;
}

QAction* addNamedAction(QMenu* menu, const QString& text, const char* name, const QList<QKeySequence>& keys = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

}  // namespace

EditorWindow::EditorWindow(std::filesystem::path programFolder, std::unique_ptr<EditorDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      programFolder_(std::move(programFolder)),
      dialogs_(std::move(dialogs)),
      blockPictures_(loadBlockPictures(programFolder_)),
      cellPainter_([this](int cell, std::int32_t code) { setCell(cell, code); }) {
    setWindowTitle(QStringLiteral("Редактор карт для ОРБО"));
    // The keys act whichever control has the focus.
    QApplication::instance()->installEventFilter(&keyTracker_);
    history_.setUndoLimit(HistorySteps);

    buildMenu();
    buildEditMenu();
    buildClientArea();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    if (!blockPictures_.problems.isEmpty()) dialogs_->showMessage(this, blockPictures_.problems.join(u'\n'));

    keyPollTimer_ = new QTimer(this);
    keyPollTimer_->setObjectName(QStringLiteral("keyPollTimer"));
    keyPollTimer_->setInterval(KeyPollMs);
    connect(keyPollTimer_, &QTimer::timeout, this, &EditorWindow::pollKeys);
    connect(&keyTracker_, &KeyTracker::keyPressed, this, [this] {
        if (keyPollTimer_->isActive() && keyPollTimer_->interval() != KeyPollMs) keyPollTimer_->start(KeyPollMs);
    });
    keyPollTimer_->start();

    checkTimer_.setSingleShot(true);
    checkTimer_.setInterval(CheckPauseMs);
    connect(&checkTimer_, &QTimer::timeout, this, &EditorWindow::checkLevel);
    checkTimer_.start();
}

void EditorWindow::buildMenu() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&Файл"));
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    connect(addNamedAction(fileMenu_, QStringLiteral("Открыть Игру"), "openLevel", {QKeySequence::Open}),
            &QAction::triggered, this, &EditorWindow::openLevel);
    connect(addNamedAction(fileMenu_, QStringLiteral("Сохранить Игру"), "saveLevel", {QKeySequence::Save}),
            &QAction::triggered, this, &EditorWindow::saveLevel);
    connect(addNamedAction(fileMenu_, QStringLiteral("Играть"), "playLevel", {Qt::Key_F5}), &QAction::triggered, this,
            &EditorWindow::playLevel);
    QAction* separator = fileMenu_->addSeparator();
    separator->setObjectName(QStringLiteral("separator"));
    connect(addNamedAction(fileMenu_, QStringLiteral("Выход"), "exit"), &QAction::triggered, this, &QWidget::close);

    // Alt+Ф opens the menu by its caption; F10 and Alt+F do on a Latin layout too.
    // Where one key is both Ф and F the two are ambiguous, and either opens it.
    auto* openMenu = new QShortcut(this);
    openMenu->setKeys({Qt::Key_F10, QKeySequence(Qt::ALT | Qt::Key_F)});
    const auto showFileMenu = [this] { menuBar()->setActiveAction(fileMenu_->menuAction()); };
    connect(openMenu, &QShortcut::activated, this, showFileMenu);
    connect(openMenu, &QShortcut::activatedAmbiguously, this, showFileMenu);
}

void EditorWindow::buildEditMenu() {
    QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Правка"));
    QAction* undo = history_.createUndoAction(editMenu, QStringLiteral("Отменить"));
    undo->setObjectName(QStringLiteral("undo"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = history_.createRedoAction(editMenu, QStringLiteral("Повторить"));
    redo->setObjectName(QStringLiteral("redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    editMenu->addActions({undo, redo});
    editMenu->addSeparator();
    QAction* guides = addNamedAction(editMenu, QStringLiteral("Сетка и старты"), "guides", {Qt::Key_G});
    guides->setCheckable(true);
    guides->setChecked(true);
    connect(guides, &QAction::toggled, this, [this](bool shown) { overlay_->setGuidesShown(shown); });
}

void EditorWindow::buildClientArea() {
    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    client->setAutoFillBackground(true);
    // The list and the labels inherit the green on black.
    client->setPalette(greenOnBlack(client->palette()));
    setCentralWidget(client);

    field_ = new FieldView(client);
    field_->setObjectName(QStringLiteral("field"));
    field_->move(0, 0);
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            showBlock(row * FieldColumns + col + 1, Empty);
            grid_.set(col, row, Empty);
        }
    }
    connect(field_, &FieldView::pointerMovedOverCell, this, &EditorWindow::paintCell);
    overlay_ = new FieldOverlay(field_);
    overlay_->setObjectName(QStringLiteral("fieldOverlay"));

    // A line 3 pixels wide from (1, 452) to (641, 452).
    auto* statusLine = new QFrame(client);
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setGeometry(1, 451, ClientWidth, 3);
    statusLine->setAutoFillBackground(true);
    QPalette red = statusLine->palette();
    red.setColor(QPalette::Window, Qt::red);
    statusLine->setPalette(red);

    blockList_ = new QListWidget(client);
    blockList_->setObjectName(QStringLiteral("blockList"));
    blockList_->setGeometry(5, 463, 125, 54);
    blockList_->addItems({QStringLiteral("1-Пусто"), QStringLiteral("2-Кирпичи"), QStringLiteral("3-Зелень"),
                          QStringLiteral("4-Лестница"), QStringLiteral("5-Перекладина"), QStringLiteral("6-Чайник")});
    // The list only shows the block the digit keys chose: neither keys nor
    // clicks may pick another one there. Its scroll bar still scrolls.
    blockList_->setFocusPolicy(Qt::NoFocus);
    blockList_->viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
    showChosenBlock();

    // Eighteen blanks stand between the two halves; the label wraps at them.
    auto* keyHelp = new QLabel(QStringLiteral("Пробел-рисовать                  1.,2,3,4,5,6 -Выбор блоков."), client);
    keyHelp->setObjectName(QStringLiteral("keyHelp"));
    keyHelp->setGeometry(155, 461, 169, 29);
    keyHelp->setTextFormat(Qt::PlainText);
    keyHelp->setWordWrap(true);
    keyHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    checkLine_ = new QLabel(client);
    checkLine_->setObjectName(QStringLiteral("checkLine"));
    checkLine_->setGeometry(155, 493, ClientWidth - 160, 38);
    checkLine_->setTextFormat(Qt::PlainText);
    checkLine_->setWordWrap(true);
    checkLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void EditorWindow::showBlock(std::int32_t cell, std::int32_t block) {
    if (block < 0 || block >= static_cast<std::int32_t>(blockPictures_.pictures.size())) return;
    field_->setCellPicture(cell, blockPictures_.pictures[static_cast<std::size_t>(block)]);
}

void EditorWindow::pollKeys() {
    const std::int32_t wasHeld = paintKeyHeld_;
    paintKeyHeld_ = 0;
    // Ascending order: when several digits are down the highest one wins.
    for (int key = FirstKeyCode; key <= LastKeyCode; ++key) {
        if (!keyTracker_.query(key)) continue;
        if (key >= KeyCode::Digit1 && key <= KeyCode::Digit6) currentBlock_ = key - KeyCode::Digit1;
        if (key == KeyCode::Space) paintKeyHeld_ = 1;
    }
    if (wasHeld == 1 && paintKeyHeld_ == 0) ++stroke_;
    showChosenBlock();
    if (keyPollTimer_->isActive() && !keyTracker_.anyKeyActive() && keyPollTimer_->interval() != RestingPollMs)
        keyPollTimer_->setInterval(RestingPollMs);
}

void EditorWindow::showChosenBlock() {
    if (blockList_->currentRow() != currentBlock_) blockList_->setCurrentRow(currentBlock_);
}

void EditorWindow::paintCell(int cell) {
    if (paintKeyHeld_ != 1) return;
    const int row = (cell - 1) / FieldColumns;
    const int col = (cell - 1) - FieldColumns * row;
    // The stack paints the cell as it takes the step.
    history_.push(new StrokeCommand(cellPainter_, stroke_, cell, grid_.at(col, row), currentBlock_));
}

void EditorWindow::setCell(int cell, std::int32_t code) {
    const int row = (cell - 1) / FieldColumns;
    grid_.set((cell - 1) - FieldColumns * row, row, code);
    showBlock(cell, code);
    checkTimer_.start();
}

void EditorWindow::checkLevel() {
    const levelcheck::Report report = checkGrid(grid_);
    checkLine_->setText(checkLineText(report));
    QPalette colours = checkLine_->palette();
    colours.setColor(QPalette::WindowText, report.sound() ? Green : Yellow);
    checkLine_->setPalette(colours);
    overlay_->setUnreachableKettles(report.unreachableKettles);
}

void EditorWindow::openLevel() {
    const QString chosen =
        dialogs_->chooseFileToOpen(this, toQString(openStartFolder(lastSave_, programFolder_, userLevelFolder())),
                                   QString::fromLatin1(LevelFileFilter));
    if (chosen.isEmpty()) return;
    const std::filesystem::path file = toPath(chosen);
    // Only an ordinary file is read: a folder or a pipe would give an empty level or hang.
    std::error_code error;
    const std::optional<LevelRows> rows =
        std::filesystem::is_regular_file(file, error) ? readLevelFile(file) : std::nullopt;
    if (!rows) {
        dialogs_->showMessage(this, QStringLiteral("Фаил не найден ") + chosen);
        return;
    }
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col)
            setCell(row * FieldColumns + col + 1,
                    (*rows)[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]);
    // Another level: the strokes of the last one cannot be taken back into it.
    history_.clear();
    ++stroke_;
}

void EditorWindow::saveLevel() {
    const SaveOutcome outcome = saveIntoLevelFolders(programFolder_, userLevelFolder(), grid_);
    if (!outcome.saved.empty()) lastSave_ = outcome.saved;
    dialogs_->showMessage(this, outcome.message);
}

void EditorWindow::playLevel() {
    if (game_.running()) {
        dialogs_->showMessage(this, QStringLiteral("Игра с этим этажом ещё идёт: закончите её, чтобы начать снова."));
        return;
    }
    const std::filesystem::path game = resolveProgramPath(programFolder_, program_files::gameProgram());
    std::error_code error;
    if (!std::filesystem::is_regular_file(game, error)) {
        dialogs_->showMessage(this, QStringLiteral("Фаил не найден ") + toQString(game));
        return;
    }
    const TrialLevel level = writeTrialLevel(grid_);
    if (!level.file.valid()) {
        dialogs_->showMessage(this, level.failure);
        return;
    }
    const std::optional<qint64> started = startGameOn(level, game, programFolder_);
    if (!started) {
        dialogs_->showMessage(this, QStringLiteral("Не удалось запустить ") + toQString(game));
        return;
    }
    game_.watch(static_cast<pid_t>(*started));
}

}  // namespace orbo

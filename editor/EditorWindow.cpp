#include "editor/EditorWindow.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/formats/LevelFile.h"
#include "editor/FieldView.h"
#include "editor/PathText.h"
#include "editor/UserLevelFolder.h"

namespace orbo {
namespace {

constexpr int ClientWidth = 640;
constexpr int ClientHeight = 533;
const QColor Green(0x00, 0xFF, 0x00);

constexpr const char* LevelFileFilter = "*.orb";

constexpr int FirstKeyCode = 1;
constexpr int LastKeyCode = 255;
// The poll runs every millisecond while a key is down or unread, and rests in
// between: an idle editor costs no processor time. A press wakes it at once.
constexpr int KeyPollMs = 1;
constexpr int RestingPollMs = 500;

// After a failure the system's reason (read-only, disk full...) follows on a line of its own.
QString saveFailureText(const SaveResult& result) {
    return QStringLiteral("Путь не найден ") + toQString(result.path) + QLatin1Char('\n') +
           QString::fromStdString(result.reason);
}

QPalette greenOnBlack(QPalette palette) {
    for (const auto role : {QPalette::Window, QPalette::Base}) palette.setColor(role, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text}) palette.setColor(role, Green);
    return palette;
}

}  // namespace

EditorWindow::EditorWindow(std::filesystem::path programFolder, std::unique_ptr<EditorDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      programFolder_(std::move(programFolder)),
      dialogs_(std::move(dialogs)),
      blockPictures_(loadBlockPictures(programFolder_)) {
    setWindowTitle(QStringLiteral("Редактор карт для ОРБО"));
    // The keys act whichever control has the focus.
    QApplication::instance()->installEventFilter(&keyTracker_);

    buildMenu();
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
}

void EditorWindow::buildMenu() {
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&Файл"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    QAction* openAction = fileMenu->addAction(QStringLiteral("Открыть Игру"), this, &EditorWindow::openLevel);
    openAction->setObjectName(QStringLiteral("openLevel"));
    QAction* saveAction = fileMenu->addAction(QStringLiteral("Сохранить Игру"), this, &EditorWindow::saveLevel);
    saveAction->setObjectName(QStringLiteral("saveLevel"));
    QAction* playAction = fileMenu->addAction(QStringLiteral("Играть"), this, &EditorWindow::playLevel);
    playAction->setObjectName(QStringLiteral("playLevel"));
    playAction->setShortcut(Qt::Key_F5);
    QAction* separator = fileMenu->addSeparator();
    separator->setObjectName(QStringLiteral("separator"));
    QAction* exitAction = fileMenu->addAction(QStringLiteral("Выход"), this, &QWidget::close);
    exitAction->setObjectName(QStringLiteral("exit"));
}

void EditorWindow::buildClientArea() {
    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    client->setAutoFillBackground(true);
    // The list and the label inherit the green on black.
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
}

void EditorWindow::showBlock(std::int32_t cell, std::int32_t block) {
    if (block < 0 || block >= static_cast<std::int32_t>(blockPictures_.pictures.size())) return;
    field_->setCellPicture(cell, blockPictures_.pictures[static_cast<std::size_t>(block)]);
}

void EditorWindow::pollKeys() {
    paintKeyHeld_ = 0;
    // Ascending order: when several digits are down the highest one wins.
    for (int key = FirstKeyCode; key <= LastKeyCode; ++key) {
        if (!keyTracker_.query(key)) continue;
        if (key >= KeyCode::Digit1 && key <= KeyCode::Digit6) currentBlock_ = key - KeyCode::Digit1;
        if (key == KeyCode::Space) paintKeyHeld_ = 1;
    }
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
    grid_.set(col, row, currentBlock_);
    showBlock(cell, currentBlock_);
}

void EditorWindow::openLevel() {
    const QString chosen =
        dialogs_->chooseFileToOpen(this, toQString(programFolder_), QString::fromLatin1(LevelFileFilter));
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
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = (*rows)[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            grid_.set(col, row, code);
            showBlock(row * FieldColumns + col + 1, code);
        }
    }
}

void EditorWindow::saveLevel() {
    SaveResult result =
        saveEditorLevel(resolveProgramPath(programFolder_, program_files::lowerCaseLevelFolder()), grid_);
    QStringList failures;
    // A system install's folder is read-only: the level goes to the player's own folder instead.
    if (!result.saved) {
        failures << saveFailureText(result);
        const std::filesystem::path ownFolder = userLevelFolder();
        if (!ownFolder.empty()) {
            std::error_code error;
            std::filesystem::create_directories(ownFolder, error);
            result = saveEditorLevel(ownFolder, grid_);
            if (!result.saved) failures << saveFailureText(result);
        }
    }
    dialogs_->showMessage(this, result.saved ? QStringLiteral("Этаж сохранен, под именем ") + toQString(result.path)
                                             : failures.join(QLatin1Char('\n')));
}

void EditorWindow::playLevel() {
    const std::filesystem::path game = resolveProgramPath(programFolder_, program_files::gameProgram());
    std::error_code error;
    if (!std::filesystem::is_regular_file(game, error)) {
        dialogs_->showMessage(this, QStringLiteral("Фаил не найден ") + toQString(game));
        return;
    }
    const std::optional<std::filesystem::path> level = trialLevels_.write(grid_);
    if (!level) {
        dialogs_->showMessage(this, QStringLiteral("Не удалось записать этаж для игры в ") + QDir::tempPath());
        return;
    }
    // The game runs on its own: the editor stays open and usable beside it.
    if (!QProcess::startDetached(toQString(game), {QStringLiteral("--level"), toQString(*level)},
                                 toQString(programFolder_)))
        dialogs_->showMessage(this, QStringLiteral("Не удалось запустить ") + toQString(game));
}

}  // namespace orbo

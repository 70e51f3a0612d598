#include "editor/EditorWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>

#include "common/LevelFile.h"
#include "common/Paths.h"
#include "editor/FieldView.h"
#include "editor/PathText.h"

namespace orbo {
namespace {

constexpr int ClientWidth = 640;
constexpr int ClientHeight = 533;
const QColor Green(0x00, 0xFF, 0x00);

constexpr const char* LevelFolder = "\\этажи";
constexpr const char* LevelFileFilter = "*.orb";

constexpr int FirstKeyCode = 1;
constexpr int LastKeyCode = 255;

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

    for (const QString& file : std::as_const(blockPictures_.missing))
        dialogs_->showMessage(this, QStringLiteral("Фаил не найден ") + file);

    keyPollTimer_ = new QTimer(this);
    keyPollTimer_->setObjectName(QStringLiteral("keyPollTimer"));
    keyPollTimer_->setInterval(1);
    connect(keyPollTimer_, &QTimer::timeout, this, &EditorWindow::pollKeys);
    keyPollTimer_->start();
}

void EditorWindow::buildMenu() {
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&Файл"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    QAction* openAction = fileMenu->addAction(QStringLiteral("Открыть Игру"), this, &EditorWindow::openLevel);
    openAction->setObjectName(QStringLiteral("openLevel"));
    QAction* saveAction = fileMenu->addAction(QStringLiteral("Сохранить Игру"), this, &EditorWindow::saveLevel);
    saveAction->setObjectName(QStringLiteral("saveLevel"));
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

    auto* blockList = new QListWidget(client);
    blockList->setObjectName(QStringLiteral("blockList"));
    blockList->setGeometry(5, 463, 125, 54);
    blockList->addItems({QStringLiteral("1-Пусто"), QStringLiteral("2-Кирпичи"), QStringLiteral("3-Зелень"),
                     QStringLiteral("4-Лестница"), QStringLiteral("5-Перекладина"), QStringLiteral("6-Чайник")});

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
    const SaveResult result = saveEditorLevel(resolveProgramPath(programFolder_, LevelFolder), grid_);
    const QString path = toQString(result.path);
    // After a failure the system's reason (read-only, disk full...) follows on a line of its own.
    dialogs_->showMessage(this, result.saved ? QStringLiteral("Этаж сохранен, под именем ") + path
                                             : QStringLiteral("Путь не найден ") + path + QLatin1Char('\n') +
                                                   QString::fromStdString(result.reason));
}

}  // namespace orbo

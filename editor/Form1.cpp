#include "editor/Form1.h"

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
constexpr int VkSpace = 32;
constexpr int VkDigit1 = 49;
constexpr int VkDigit6 = 54;

QPalette greenOnBlack(QPalette palette) {
    for (const auto role : {QPalette::Window, QPalette::Base}) palette.setColor(role, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text}) palette.setColor(role, Green);
    return palette;
}

}  // namespace

Form1::Form1(std::filesystem::path programFolder, std::unique_ptr<EditorDialogs> dialogs, QWidget* parent)
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

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, &Form1::pollKeys);
    timer1_->start();
}

void Form1::buildMenu() {
    QMenu* файл = menuBar()->addMenu(QStringLiteral("&Файл"));
    файл->setObjectName(QStringLiteral("Файл"));
    QAction* открыть = файл->addAction(QStringLiteral("Открыть Игру"), this, &Form1::ОткрытьИгру);
    открыть->setObjectName(QStringLiteral("ОткрытьИгру"));
    QAction* сохранить = файл->addAction(QStringLiteral("Сохранить Игру"), this, &Form1::СохранитьИгру);
    сохранить->setObjectName(QStringLiteral("СохранитьИгру"));
    QAction* черта = файл->addSeparator();
    черта->setObjectName(QStringLiteral("Черта"));
    QAction* выход = файл->addAction(QStringLiteral("Выход"), this, &QWidget::close);
    выход->setObjectName(QStringLiteral("Выход"));
}

void Form1::buildClientArea() {
    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    client->setAutoFillBackground(true);
    // The list and the label inherit the green on black.
    client->setPalette(greenOnBlack(client->palette()));
    setCentralWidget(client);

    поле_ = new FieldView(client);
    поле_->setObjectName(QStringLiteral("Поле"));
    поле_->move(0, 0);
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            ПоменятьКартинку(row * FieldColumns + col + 1, Empty);
            grid_.set(col, row, Empty);
        }
    }
    connect(поле_, &FieldView::pointerMovedOverCell, this, &Form1::paintCell);

    // A line 3 pixels wide from (1, 452) to (641, 452).
    auto* line1 = new QFrame(client);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(1, 451, ClientWidth, 3);
    line1->setAutoFillBackground(true);
    QPalette red = line1->palette();
    red.setColor(QPalette::Window, Qt::red);
    line1->setPalette(red);

    auto* list1 = new QListWidget(client);
    list1->setObjectName(QStringLiteral("List1"));
    list1->setGeometry(5, 463, 125, 54);
    list1->addItems({QStringLiteral("1-Пусто"), QStringLiteral("2-Кирпичи"), QStringLiteral("3-Зелень"),
                     QStringLiteral("4-Лестница"), QStringLiteral("5-Перекладина"), QStringLiteral("6-Чайник")});

    // Eighteen blanks stand between the two halves; the label wraps at them.
    auto* label1 = new QLabel(QStringLiteral("Пробел-рисовать                  1.,2,3,4,5,6 -Выбор блоков."), client);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(155, 461, 169, 29);
    label1->setTextFormat(Qt::PlainText);
    label1->setWordWrap(true);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form1::ПоменятьКартинку(std::int32_t номер, std::int32_t картинка) {
    if (картинка < 0 || картинка >= static_cast<std::int32_t>(blockPictures_.pictures.size())) return;
    поле_->setCellPicture(номер, blockPictures_.pictures[static_cast<std::size_t>(картинка)]);
}

void Form1::pollKeys() {
    PaintKeyHeld = 0;
    // Ascending order: when several digits are down the highest one wins.
    for (int key = FirstKeyCode; key <= LastKeyCode; ++key) {
        if (!keyTracker_.query(key)) continue;
        if (key >= VkDigit1 && key <= VkDigit6) CurrentBlock = key - VkDigit1;
        if (key == VkSpace) PaintKeyHeld = 1;
    }
}

void Form1::paintCell(int номер) {
    if (PaintKeyHeld != 1) return;
    const int row = (номер - 1) / FieldColumns;
    const int col = (номер - 1) - FieldColumns * row;
    grid_.set(col, row, CurrentBlock);
    ПоменятьКартинку(номер, CurrentBlock);
}

void Form1::ОткрытьИгру() {
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
            ПоменятьКартинку(row * FieldColumns + col + 1, code);
        }
    }
}

void Form1::СохранитьИгру() {
    const SaveResult result = saveEditorLevel(resolveProgramPath(programFolder_, LevelFolder), grid_);
    const QString path = toQString(result.path);
    dialogs_->showMessage(this, result.saved ? QStringLiteral("Этаж сохранен, под именем ") + path
                                             : QStringLiteral("Путь не найден ") + path);
}

}  // namespace orbo

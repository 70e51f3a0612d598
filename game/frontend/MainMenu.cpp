// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/MainMenu.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <system_error>
#include <utility>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "game/core/Level.h"
#include "game/frontend/DefaultOptions.h"
#include "game/frontend/MenuLook.h"
#include "game/frontend/MenuPictures.h"
#include "game/frontend/OptionsDialog.h"
#include "game/frontend/PictureFiles.h"

namespace orbo {
namespace {

constexpr int ClientWidth = 593;
constexpr int ClientHeight = 379;
constexpr const char* CannotStartText = "Не удаётся запустить ";

const QStringList HelpLines{
    QStringLiteral("Клавиши управления игрой"), QStringLiteral("Esc-выход из игры"),
    QStringLiteral("F1-помощь в игре"),         QStringLiteral("Стрелки-передвижение юнита"),
    QStringLiteral("q-выстрел влево"),          QStringLiteral("w-выстрел вправо"),
    QStringLiteral("f-кадров в секунду"),       QStringLiteral("r-новый игрок"),
};

// A figure whose picture is missing shows nothing; the menu goes on without it.
// A picture bigger than its box, such as the game's own 64 x 50 sprites, is
// shrunk to fit so that the figure is seen whole.
QPixmap figurePixmap(const std::filesystem::path& file, QSize box) {
    const QImage image = readPicture(file);
    if (image.isNull()) return {};
    if (image.width() > box.width() || image.height() > box.height())
        return QPixmap::fromImage(image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return QPixmap::fromImage(image);
}

}  // namespace

MainMenu::MainMenu(Game& game, std::filesystem::path programDir, Session session, MessageFunction messages,
                   QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game_(game),
      programDir_(std::move(programDir)),
      session_(std::move(session)),
      messages_(messages ? std::move(messages) : messageBoxesOver(this)) {
    setObjectName(QStringLiteral("MainMenu"));
    setWindowTitle(QStringLiteral("DX Orbo"));
    setFixedSize(ClientWidth, ClientHeight);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());

    splash_ = new QLabel(this);
    splash_->setObjectName(QStringLiteral("splash"));
    splash_->setGeometry(0, -2, ClientWidth, ClientHeight + 2);
    splash_->setScaledContents(true);

    copFigure1_ = addFigure("copFigure1", 206, 352);
    heroFigure_ = addFigure("heroFigure", 271, 351);
    copFigure2_ = addFigure("copFigure2", 326, 351);

    newGameButton_ = addButton("newGameButton", QStringLiteral("Новая игра"), 197, 66, 157);
    continueButton_ = addButton("continueButton", QStringLiteral("Продолжить Игру"), 191, 112, 171);
    optionsButton_ = addButton("optionsButton", QStringLiteral("Опции игры"), 190, 154, 174);
    helpButton_ = addButton("helpButton", QStringLiteral("Помощь"), 184, 200, 184);
    editorButton_ = addButton("editorButton", QStringLiteral("Редактор карт"), 195, 242, 161);
    exitButton_ = addButton("exitButton", QStringLiteral("Выход"), 204, 286, 144);
    continueButton_->setEnabled(false);

    connect(newGameButton_, &QPushButton::clicked, this, &MainMenu::startNewGame);
    connect(continueButton_, &QPushButton::clicked, this, &MainMenu::continueGame);
    connect(optionsButton_, &QPushButton::clicked, this, &MainMenu::showOptions);
    connect(helpButton_, &QPushButton::clicked, this, &MainMenu::showHelp);
    connect(editorButton_, &QPushButton::clicked, this, &MainMenu::startEditor);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);

    firstFigureTimer_ = new QTimer(this);
    firstFigureTimer_->setObjectName(QStringLiteral("firstFigureTimer"));
    firstFigureTimer_->setInterval(200);
    connect(firstFigureTimer_, &QTimer::timeout, this, &MainMenu::showFirstFigureFrames);
    secondFigureTimer_ = new QTimer(this);
    secondFigureTimer_->setObjectName(QStringLiteral("secondFigureTimer"));
    secondFigureTimer_->setInterval(100);
    connect(secondFigureTimer_, &QTimer::timeout, this, &MainMenu::showSecondFigureFrames);
    // Every first tick sets the second timer off afresh, so the second frames
    // come halfway between two first ones instead of falling due together with
    // them and overwriting them at once.
    secondFigureTimer_->setSingleShot(true);
    connect(firstFigureTimer_, &QTimer::timeout, secondFigureTimer_, qOverload<>(&QTimer::start));

    loadMenu();
    firstFigureTimer_->start();
    secondFigureTimer_->start();
}

MainMenu::~MainMenu() = default;

QPushButton* MainMenu::addButton(const char* name, const QString& caption, int x, int y, int width) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(x, y, width, 34);
    button->setFont(menuFont(12));
    return button;
}

QLabel* MainMenu::addFigure(const char* name, int x, int y) {
    auto* box = new QLabel(this);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(x, y, 50, 47);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return box;
}

void MainMenu::loadMenu() {
    MenuPictureLoad pictures = prepareMenuPictures(programDir_);
    if (!pictures.splash.isNull()) splash_->setPixmap(QPixmap::fromImage(std::move(pictures.splash)));
    if (!pictures.problems.isEmpty()) messages_(pictureProblemsMessage(pictures.problems), MessageIcon::Critical);

    applyDefaultOptions(game_.settings);
    game_.session.paused = false;
}

// Each picture is read at its first showing and kept: the timers flip the figures
// fifteen times a second, and a file changed on disk shows from the next start.
void MainMenu::showFigure(QLabel* box, const char* picture) {
    auto kept = figurePictures_.find(picture);
    if (kept == figurePictures_.end()) {
        const auto file = resolveProgramPath(programDir_, menu_pictures::figurePicture(picture));
        kept = figurePictures_.emplace(picture, figurePixmap(file, box->size())).first;
    }
    if (kept->second.isNull())
        box->clear();
    else
        box->setPixmap(kept->second);
}

void MainMenu::showFirstFigureFrames() {
    showFigure(heroFigure_, menu_pictures::HeroFigure);
    showFigure(copFigure1_, menu_pictures::CopFigure1);
    showFigure(copFigure2_, menu_pictures::CopFigure);
}

void MainMenu::showSecondFigureFrames() {
    showFigure(heroFigure_, menu_pictures::HeroFigure1);
    showFigure(copFigure1_, menu_pictures::CopFigure);
    showFigure(copFigure2_, menu_pictures::CopFigure1);
}

// The session pumps window messages while it runs, so the menu is disabled
// meanwhile: no second session can start inside the first. The clicks and keys
// the session held back are let through to the still disabled menu before it
// comes back, or a click made during play would act once the session is over.
void MainMenu::runSession() {
    sessionRunning_ = true;
    firstFigureTimer_->stop();
    secondFigureTimer_->stop();
    setEnabled(false);
    session_(game_);
    QCoreApplication::processEvents();
    setEnabled(true);
    sessionRunning_ = false;
    firstFigureTimer_->start();
    secondFigureTimer_->start();
    show();
    raise();
    activateWindow();
}

void MainMenu::startNewGame() {
    game_.progress.canContinue = false;
    runSession();
    continueButton_->setEnabled(game_.progress.canContinue);
}

// The button keeps its state afterwards: after a continued game ends in a game
// over it stays enabled, and pressing it then starts a new game.
void MainMenu::continueGame() { runSession(); }

void MainMenu::showOptions() {
    if (!options_) options_ = std::make_unique<OptionsDialog>(game_, programDir_, this);
    if (options_->exec() != QDialog::Accepted) options_.reset();
}

void MainMenu::showHelp() { messages_(HelpLines.join(QLatin1Char('\n')), MessageIcon::None); }

// The editor runs on its own; one that is missing or will not start is named.
void MainMenu::startEditor() {
    const auto editor = resolveProgramPath(programDir_, program_files::editorProgram());
    if (QProcess::startDetached(qtPath(editor), {}, qtPath(programDir_))) return;
    std::error_code error;
    const char* text = std::filesystem::exists(editor, error) ? CannotStartText : FileNotFoundText;
    messages_(QString::fromUtf8(text) + qtPath(editor), MessageIcon::Critical);
}

// Leaving ends the program at once, whatever else is open. An editor started
// from the menu is a process of its own and keeps running.
void MainMenu::closeEvent(QCloseEvent* event) {
    if (sessionRunning_) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::exit(0);
}

}  // namespace orbo

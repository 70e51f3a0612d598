#include "game/frontend/Form2.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <utility>

#include "common/Paths.h"
#include "game/frontend/MenuLook.h"
#include "game/frontend/MenuPictures.h"
#include "game/frontend/PictureFiles.h"
#include "game/frontend/form3.h"

namespace orbo {
namespace {

constexpr int ClientWidth = 593;
constexpr int ClientHeight = 379;
constexpr const char* EditorProgram = "Редактор";

const QStringList HelpLines{
    QStringLiteral("Клавиши управления игрой"), QStringLiteral("Esc-выход из игры"),
    QStringLiteral("F1-помощь в игре"),         QStringLiteral("Стрелки-передвижение юнита"),
    QStringLiteral("q-выстрел влево"),          QStringLiteral("w-выстрел вправо"),
    QStringLiteral("f-кадров в секунду"),       QStringLiteral("r-новый игрок"),
};

}  // namespace

Form2::Form2(Game& game, std::filesystem::path programDir, Session session, MessageFunction messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game_(game),
      programDir_(std::move(programDir)),
      session_(std::move(session)),
      messages_(messages ? std::move(messages) : messageBoxesOver(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("DX Orbo"));
    setFixedSize(ClientWidth, ClientHeight);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, -2, ClientWidth, ClientHeight + 2);
    Image1->setScaledContents(true);

    Коп1 = addFigure("Коп1", 206, 352);
    Орбо = addFigure("Орбо", 271, 351);
    Коп2 = addFigure("Коп2", 326, 351);

    Command1 = addButton("Command1", QStringLiteral("Новая игра"), 197, 66, 157);
    Command5 = addButton("Command5", QStringLiteral("Продолжить Игру"), 191, 112, 171);
    Command6 = addButton("Command6", QStringLiteral("Опции игры"), 190, 154, 174);
    Command3 = addButton("Command3", QStringLiteral("Помощь"), 184, 200, 184);
    Command4 = addButton("Command4", QStringLiteral("Редактор карт"), 195, 242, 161);
    Command2 = addButton("Command2", QStringLiteral("Выход"), 204, 286, 144);
    Command5->setEnabled(false);

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &Form2::Timer2Timer);

    loadMenu();
    Timer1->start();
    Timer2->start();
}

Form2::~Form2() = default;

QPushButton* Form2::addButton(const char* name, const QString& caption, int x, int y, int width) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(x, y, width, 34);
    button->setFont(menuFont(12));
    return button;
}

QLabel* Form2::addFigure(const char* name, int x, int y) {
    auto* box = new QLabel(this);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(x, y, 50, 47);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return box;
}

void Form2::loadMenu() {
    MenuPictureLoad pictures = prepareMenuPictures(programDir_);
    if (!pictures.splash.isNull()) Image1->setPixmap(QPixmap::fromImage(std::move(pictures.splash)));
    if (!pictures.problems.isEmpty()) messages_(pictures.problems.join(QLatin1Char('\n')), MessageIcon::Critical);

    game_.settings.musicOn = false;
    game_.settings.soundOn = true;
    game_.settings.smartCops = 0;
    game_.settings.speed = 2;
    game_.session.paused = false;
}

// A figure whose picture is missing shows nothing; the menu goes on without it.
// A picture bigger than its box, such as the game's own 64 x 50 sprites, is
// shrunk to fit so that the figure is seen whole.
void Form2::showFigure(QLabel* box, const char* picture) {
    const QImage image = readPicture(resolveProgramPath(programDir_, picture));
    if (image.isNull()) {
        box->clear();
    } else if (image.width() > box->width() || image.height() > box->height()) {
        box->setPixmap(QPixmap::fromImage(image.scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    } else {
        box->setPixmap(QPixmap::fromImage(image));
    }
}

void Form2::Timer1Timer() {
    showFigure(Орбо, menu_pictures::HeroFigure);
    showFigure(Коп1, menu_pictures::CopFigure1);
    showFigure(Коп2, menu_pictures::CopFigure);
}

void Form2::Timer2Timer() {
    showFigure(Орбо, menu_pictures::HeroFigure1);
    showFigure(Коп1, menu_pictures::CopFigure);
    showFigure(Коп2, menu_pictures::CopFigure1);
}

// The session pumps window messages while it runs, so the menu is disabled
// meanwhile: no second session can start inside the first. The clicks and keys
// the session held back are let through to the still disabled menu before it
// comes back, or a click made during play would act once the session is over.
void Form2::playSession() {
    sessionRunning_ = true;
    Timer1->stop();
    Timer2->stop();
    setEnabled(false);
    session_(game_);
    QCoreApplication::processEvents();
    setEnabled(true);
    sessionRunning_ = false;
    Timer1->start();
    Timer2->start();
    show();
    raise();
    activateWindow();
}

void Form2::Command1Click() {
    game_.progress.canContinue = false;
    playSession();
    Command5->setEnabled(game_.progress.canContinue);
}

// The button keeps its state afterwards: after a continued game ends in a game
// over it stays enabled, and pressing it then starts a new game.
void Form2::Command5Click() { playSession(); }

void Form2::Command6Click() {
    if (!options_) options_ = std::make_unique<form3>(game_, programDir_, this);
    if (options_->exec() != QDialog::Accepted) options_.reset();
}

void Form2::Command3Click() { messages_(HelpLines.join(QLatin1Char('\n')), MessageIcon::None); }

// The editor runs on its own; a missing or broken editor is silently ignored.
void Form2::Command4Click() {
    QProcess::startDetached(qtPath(resolveProgramPath(programDir_, EditorProgram)), {}, qtPath(programDir_));
}

// Leaving ends the program at once, whatever else is open. An editor started
// from the menu is a process of its own and keeps running.
void Form2::closeEvent(QCloseEvent* event) {
    if (sessionRunning_) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::exit(0);
}

}  // namespace orbo

#include "game/frontend/CommandLine.h"

#include <QCommandLineParser>
#include <QFile>

namespace orbo {
namespace {

CommandLine refused(const QString& why) {
    return {.levelFile = {}, .fullscreen = true, .output = why + u'\n', .exitStatus = 2};
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Орбо: снеговик собирает чайники и убегает от копов. Без параметров открывается главное меню."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption level(
        QStringLiteral("level"),
        QStringLiteral("Сразу играть этаж из файла ФАЙЛ, только его; Esc или пройденный этаж завершают игру."),
        QStringLiteral("ФАЙЛ"));
    parser.addOption(level);
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("Игра в окне; Alt+Enter или F11 переключают во время игры."));
    const QCommandLineOption fullscreen(QStringLiteral("fullscreen"),
                                        QStringLiteral("Игра на весь экран (так и без параметров)."));
    parser.addOptions({window, fullscreen});

    if (!parser.parse(arguments)) return refused(parser.errorText());
    if (parser.isSet(help)) return {.levelFile = {}, .fullscreen = true, .output = parser.helpText(), .exitStatus = 0};
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("Лишний параметр: ") + parser.positionalArguments().first());
    if (parser.isSet(level) && parser.value(level).isEmpty()) return refused(QStringLiteral("Не указан ФАЙЛ этажа"));
    CommandLine wanted;
    // The last of the two given counts, as with any repeated choice.
    for (const QString& name : parser.optionNames()) {
        if (name == window.names().first()) wanted.fullscreen = false;
        if (name == fullscreen.names().first()) wanted.fullscreen = true;
    }
    // Back to the bytes the shell passed, whatever the locale made of them.
    if (parser.isSet(level))
        wanted.levelFile = std::filesystem::path(QFile::encodeName(parser.value(level)).toStdString());
    return wanted;
}

}  // namespace orbo

#include "game/frontend/CommandLine.h"

#include <QCommandLineParser>
#include <QFile>

namespace orbo {
namespace {

CommandLine refused(const QString& why) { return {.levelFile = {}, .output = why + u'\n', .exitStatus = 2}; }

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

    if (!parser.parse(arguments)) return refused(parser.errorText());
    if (parser.isSet(help)) return {.levelFile = {}, .output = parser.helpText(), .exitStatus = 0};
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("Лишний параметр: ") + parser.positionalArguments().first());
    if (parser.isSet(level) && parser.value(level).isEmpty()) return refused(QStringLiteral("Не указан ФАЙЛ этажа"));
    CommandLine wanted;
    // Back to the bytes the shell passed, whatever the locale made of them.
    if (parser.isSet(level))
        wanted.levelFile = std::filesystem::path(QFile::encodeName(parser.value(level)).toStdString());
    return wanted;
}

}  // namespace orbo

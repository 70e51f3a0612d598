// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/CommandLine.h"

#include <QCommandLineParser>
#include <QFile>

namespace orbo {
namespace {

CommandLine refused(const QString& why) {
    CommandLine refusal;
    refusal.output = why + u'\n';
    refusal.exitStatus = 2;
    return refusal;
}

// Back to the bytes the shell passed, whatever the locale made of them.
std::filesystem::path pathOf(const QString& text) { return QFile::encodeName(text).toStdString(); }

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
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        QStringLiteral("Показать запись игры или сценарий orbo-sim из файла ФАЙЛ в её темпе; + и - ускоряют и "
                       "замедляют, Esc завершает."),
        QStringLiteral("ФАЙЛ"));
    const QCommandLineOption record(QStringLiteral("record"), QStringLiteral("Записывать игру также в файл ФАЙЛ."),
                                    QStringLiteral("ФАЙЛ"));
    const QCommandLineOption noRecord(
        QStringLiteral("no-record"),
        QStringLiteral("Не записывать игру (обычно каждая игра записывается в ~/.local/state/orbo/recordings)."));
    parser.addOptions({replay, record, noRecord});

    if (!parser.parse(arguments)) return refused(parser.errorText());
    if (parser.isSet(help)) {
        CommandLine helped;
        helped.output = parser.helpText();
        return helped;
    }
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("Лишний параметр: ") + parser.positionalArguments().first());
    if (parser.isSet(level) && parser.value(level).isEmpty()) return refused(QStringLiteral("Не указан ФАЙЛ этажа"));
    if (parser.isSet(replay) && parser.value(replay).isEmpty()) return refused(QStringLiteral("Не указан ФАЙЛ записи"));
    if (parser.isSet(record) && parser.value(record).isEmpty())
        return refused(QStringLiteral("Не указан ФАЙЛ для записи"));
    if (parser.isSet(replay) && (parser.isSet(level) || parser.isSet(record) || parser.isSet(noRecord)))
        return refused(
            QStringLiteral("--replay показывает запись и не играет: --level, --record и --no-record с ним "
                           "не сочетаются"));
    if (parser.isSet(record) && parser.isSet(noRecord))
        return refused(QStringLiteral("--record и --no-record не сочетаются"));
    CommandLine wanted;
    // The last of the two given counts, as with any repeated choice.
    for (const QString& name : parser.optionNames()) {
        if (name == window.names().first()) wanted.fullscreen = false;
        if (name == fullscreen.names().first()) wanted.fullscreen = true;
    }
    if (parser.isSet(level)) wanted.levelFile = pathOf(parser.value(level));
    if (parser.isSet(replay)) wanted.replayFile = pathOf(parser.value(replay));
    if (parser.isSet(record)) wanted.recordFile = pathOf(parser.value(record));
    wanted.recordGames = !parser.isSet(noRecord);
    return wanted;
}

}  // namespace orbo

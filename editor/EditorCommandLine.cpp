// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "qtcommon/RussianQtTexts.h"

namespace orbo {
namespace {

int print(const QString& text, FILE* stream, int status) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

}  // namespace

std::optional<int> answerEditorCommandLine(int& argc, char* argv[]) {
    const QCoreApplication console(argc, argv);
    const auto russianTexts = installRussianQtTexts();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Редактор карт Орбо: рисует этажи 16 x 15 клеток для игры и сохраняет их в папку этажи рядом с программой."));
    const QCommandLineOption help = parser.addHelpOption();
    constexpr int UsageError = 2;
    if (!parser.parse(QCoreApplication::arguments()))
        return print(parser.errorText() + u'\n' + parser.helpText(), stderr, UsageError);
    if (parser.isSet(help)) return print(parser.helpText(), stdout, 0);
    if (!parser.positionalArguments().isEmpty())
        return print(
            QStringLiteral("Лишний параметр: ") + parser.positionalArguments().first() + u'\n' + parser.helpText(),
            stderr, UsageError);
    return std::nullopt;
}

}  // namespace orbo

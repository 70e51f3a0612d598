// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CheckLine.h"

#include <QLocale>
#include <QStringList>

#include "common/formats/LevelFile.h"
#include "tools/levelcheck/CopRush.h"

namespace orbo {
namespace {

QString seconds(int milliseconds) {
    return QLocale(QLocale::Russian).toString(milliseconds / 1000.0, 'f', 1) + QStringLiteral(" с");
}

QString copsSentence(const levelcheck::Report& report) {
    if (!report.copArrivalMs) return QStringLiteral("копы не доберутся до старта героя");
    const QString text = QStringLiteral("копы у старта героя через ") + seconds(*report.copArrivalMs);
    return *report.copArrivalMs < levelcheck::CopGraceMs
               ? text + QStringLiteral(": это быстрее ") + seconds(levelcheck::CopGraceMs)
               : text;
}

}  // namespace

levelcheck::Report checkGrid(const EditorGrid& grid) { return levelcheck::checkLevel(formatLevel(grid)); }

QString checkLineText(const levelcheck::Report& report) {
    QStringList parts;
    if (report.heroStartBlocked) parts << QStringLiteral("старт героя занят");
    if (report.copStartBlocked) parts << QStringLiteral("старт копов занят");
    // The grid is written as the editor writes it: only codes past 5 can break the layout.
    if (report.layoutFaults > 0) parts << QStringLiteral("клеток с кодом больше 5: %1").arg(report.layoutFaults);
    const int unreachable = report.kettles - report.reachableKettles;
    if (report.kettles == 0)
        parts << QStringLiteral("нет ни одного чайника");
    else if (!report.heroStartBlocked)
        parts << (unreachable == 0
                      ? QStringLiteral("все чайники достижимы (%1)").arg(report.kettles)
                      : QStringLiteral("недостижимых чайников: %1 из %2").arg(unreachable).arg(report.kettles));
    if (!report.heroStartBlocked && !report.copStartBlocked) parts << copsSentence(report);
    QString line = parts.join(QStringLiteral("; ")) + u'.';
    line[0] = line[0].toUpper();
    return line;
}

}  // namespace orbo

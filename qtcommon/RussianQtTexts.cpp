// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtcommon/RussianQtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace orbo {

std::unique_ptr<QTranslator> installRussianQtTexts() {
    auto translator = std::make_unique<QTranslator>();
    const bool loaded = translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded || !QCoreApplication::installTranslator(translator.get())) return nullptr;
    return translator;
}

}  // namespace orbo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <string>

#include "common/Paths.h"

namespace orbo {

// Paths travel between the file system and the widgets as UTF-8, whatever the
// locale, so Cyrillic names survive both ways.
inline QString toQString(const std::filesystem::path& path) { return QString::fromStdString(displayPath(path)); }

inline std::filesystem::path toPath(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace orbo

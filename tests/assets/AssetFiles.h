#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "common/Paths.h"

// The program folder of the build, where the generated content lies beside the
// executables, and small readers for what is found there.
namespace orbo::assets_test {

inline std::filesystem::path programDir() { return ORBO_PROGRAM_DIR; }

// A program-relative name such as "\\графика\\Коп.bmp", found as the programs find it.
inline std::filesystem::path resolved(std::string_view relative) { return resolveProgramPath(programDir(), relative); }

inline QImage readImage(const std::filesystem::path& file) { return QImage(QString::fromStdString(file.string())); }

inline std::vector<unsigned char> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a pixel becomes on the 16-bit play screen, where 0 is see-through.
inline bool clearInRgb565(QRgb pixel) {
    return (qRed(pixel) >> 3) == 0 && (qGreen(pixel) >> 2) == 0 && (qBlue(pixel) >> 3) == 0;
}

}  // namespace orbo::assets_test

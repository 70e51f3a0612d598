// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/Catalogue.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <stdexcept>

#include "common/ProgramFiles.h"
#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Sounds.h"
#include "tools/assetgen/Tune.h"

namespace orbo::assetgen {
namespace {

QString kettleName(int picture) { return QStringLiteral("Чайник%1").arg(2 * picture, 4, 10, QLatin1Char('0')); }

QString numbered(const QString& base, int frame) {
    return frame == 0 ? base + ".bmp" : base + QString::number(frame) + ".bmp";
}

QString pathOf(const std::filesystem::path& folder, const QString& name) {
    return QString::fromStdString((folder / name.toStdString()).string());
}

void makeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw std::runtime_error("cannot create " + folder.string() + ": " + error.message());
}

}  // namespace

std::vector<PictureFile> allPictures() {
    std::vector<PictureFile> pictures;
    const auto add = [&](const QString& name, QImage image, const QString& bmpForm = {}) {
        pictures.push_back({name, std::move(image), bmpForm});
    };
    add(QStringLiteral("пустота.bmp"), toSprite(newCanvas(64, 50)));
    add(QStringLiteral("Кирпичи.bmp"), toSprite(paintBricks(64, 50)));
    add(QStringLiteral("Зелень.bmp"), toSprite(paintTurf(64, 50)));
    add(QStringLiteral("Лестница.bmp"), toSprite(paintLadder(64, 50)));
    add(QStringLiteral("Перекладина.bmp"), toSprite(paintBar(64, 50)));
    add(QStringLiteral("Выстрел.bmp"), toSprite(paintHole(64, 50)));
    for (int i = 0; i < KettleFrames; ++i)
        add(kettleName(i) + ".jpg", toSprite(paintKettle(64, 50, i)), kettleName(i) + ".bmp");
    for (int frame = 0; frame < HeroFrames; ++frame)
        add(numbered(QStringLiteral("Снеговик"), frame), toSprite(paintHero(frame)));
    for (int frame = 0; frame < CopFrames; ++frame)
        add(numbered(QStringLiteral("Коп"), frame), toSprite(paintCop(frame)));
    add(QStringLiteral("Кирпичиsm.bmp"), toSprite(paintBricks(40, 30)));
    add(QStringLiteral("Чайникsm.bmp"), toSprite(paintKettle(40, 30, 0)));
    add(QStringLiteral("заставка.jpg"), toOpaque(paintTitle()), QStringLiteral("Заставка.bmp"));
    return pictures;
}

std::vector<PictureFile> writeAll(const std::filesystem::path& programFolder) {
    const std::filesystem::path graphics = programFolder / program_files::graphicsFolder();
    const std::filesystem::path sounds = programFolder / program_files::soundFolder();
    makeFolder(graphics);
    makeFolder(sounds);

    std::vector<PictureFile> pictures = allPictures();
    for (const PictureFile& picture : pictures) {
        if (picture.name.endsWith(".jpg")) {
            const QImage decoded = saveJpeg(picture.image, pathOf(graphics, picture.name));
            saveBmp(decoded, pathOf(graphics, picture.bmpForm));
        } else {
            saveBmp(picture.image, pathOf(graphics, picture.name));
        }
    }
    for (const Effect& effect : allEffects()) writeWave(sounds / effect.file, effect.samples);
    writeTune(sounds / program_files::tuneName());
    return pictures;
}

void saveContactSheet(const std::vector<PictureFile>& pictures, const std::filesystem::path& programFolder,
                      const std::filesystem::path& sheetFile) {
    const std::filesystem::path graphics = programFolder / program_files::graphicsFolder();
    struct Shown {
        QString name;
        QImage image;
    };
    std::vector<Shown> sprites;
    for (const PictureFile& picture : pictures) {
        const QString name = picture.bmpForm.isEmpty() ? picture.name : picture.bmpForm;
        QImage image(pathOf(graphics, name));
        if (image.isNull()) throw std::runtime_error("cannot read back " + name.toStdString());
        if (image.width() <= 64) sprites.push_back({name, image.convertToFormat(QImage::Format_RGB888)});
    }

    constexpr int Zoom = 2;
    constexpr int Columns = 8;
    constexpr int CellW = 64 * Zoom + 24;
    constexpr int CellH = 50 * Zoom + 24;
    const int rows = static_cast<int>((sprites.size() + Columns - 1) / Columns);
    QImage sheet(Columns * CellW + 16, rows * CellH + 16, QImage::Format_RGB888);
    sheet.fill(QColor(40, 44, 56));
    QPainter p(&sheet);
    const int fontId = QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    QFont font(QFontDatabase::applicationFontFamilies(fontId).value(0));
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(font);
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const int x = 20 + static_cast<int>(i % Columns) * CellW;
        const int y = 12 + static_cast<int>(i / Columns) * CellH;
        const QImage& image = sprites[i].image;
        for (int py = 0; py < image.height() * Zoom; ++py)
            for (int px = 0; px < image.width() * Zoom; ++px) {
                const QRgb pixel = image.pixel(px / Zoom, py / Zoom);
                // What the 16-bit screen leaves out shows as a checkerboard.
                const bool clear = (qRed(pixel) >> 3) == 0 && (qGreen(pixel) >> 2) == 0 && (qBlue(pixel) >> 3) == 0;
                const QColor check = ((px / 8 + py / 8) % 2 == 0) ? QColor(22, 24, 32) : QColor(34, 36, 46);
                p.setPen(clear ? check : QColor(pixel));
                p.drawPoint(x + px, y + py);
            }
        p.setPen(QColor(220, 226, 236));
        p.drawText(QRect(x - 10, y + 50 * Zoom + 3, CellW - 4, 16), Qt::AlignHCenter, sprites[i].name);
    }
    p.end();
    if (!sheet.save(QString::fromStdString(sheetFile.string()), "PNG"))
        throw std::runtime_error("cannot write " + sheetFile.string());
}

}  // namespace orbo::assetgen

#include <QImageReader>
#include <QLabel>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <filesystem>
#include <fstream>

#include "game/frontend/PictureFiles.h"
#include "tests/frontend/MenuWorld.h"

namespace orbo::test {
namespace {

// The BMP beside a JPEG of the graphics folder.
std::filesystem::path bmpFor(const std::filesystem::path& jpeg) {
    return std::filesystem::path(jpeg).replace_extension(".bmp");
}

std::vector<std::filesystem::path> sources(const MenuWorld& world) {
    std::vector<std::filesystem::path> files{world.graphics() / "заставка.jpg"};
    for (int frame = 0; frame <= 100; frame += 2) files.push_back(world.graphics() / (kettleName(frame) + ".jpg").toStdString());
    return files;
}

QImage readBmp(const std::filesystem::path& file) {
    QImageReader reader(qtPath(file));
    reader.setDecideFormatFromContent(true);
    return reader.format() == "bmp" ? reader.read() : QImage();
}

// Every file write fails, whoever the user is, while it lives.
class NoWrites {
public:
    NoWrites() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit none{0, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoWrites() { setrlimit(RLIMIT_FSIZE, &old_); }
    NoWrites(const NoWrites&) = delete;
    NoWrites& operator=(const NoWrites&) = delete;

private:
    rlimit old_{};
};

QString line(const char* text, const std::filesystem::path& file) { return QString::fromUtf8(text) + qtPath(file); }

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void convertsTheSplashAndEveryKettleFrameReplacingOldFiles();
    void findsTheFilesWithoutRegardToLetterCase();
    void missingAndUnreadablePicturesAreReportedTogetherAndSkipped();
    void missingGraphicsFolderIsOneMessage();
    void unwritableBmpIsReportedUnlessOneIsAlreadyThere();
};

void PicturesTest::convertsTheSplashAndEveryKettleFrameReplacingOldFiles() {
    MenuWorld world;
    world.addPictures();
    std::ofstream(world.graphics() / "заставка.bmp") << "stale";
    std::ofstream(world.graphics() / "Чайник0042.bmp") << "stale";

    auto menu = world.makeMenu();

    QVERIFY2(world.messages.isEmpty(), qPrintable(world.messages.join('\n')));
    const auto files = sources(world);
    QCOMPARE(files.size(), std::size_t{52});
    for (const auto& jpeg : files) {
        const QImage source = readPicture(jpeg);
        const QImage converted = readBmp(bmpFor(jpeg));
        QVERIFY2(!converted.isNull(), qPrintable(qtPath(bmpFor(jpeg))));
        QCOMPARE(converted.size(), source.size());
        QCOMPARE(middleOf(converted), middleOf(source));
    }
    const QPixmap background = menu->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap();
    QVERIFY(nearly(middleOf(background.toImage()), QColor(200, 30, 30)));
}

void PicturesTest::findsTheFilesWithoutRegardToLetterCase() {
    MenuWorld world;
    const auto folder = world.dir.path() / "Графика";
    std::filesystem::create_directories(folder);
    writePicture(folder / "ЗАСТАВКА.JPG", QColor(10, 200, 10), {64, 48});
    std::ofstream(folder / "Заставка.bmp") << "stale";
    for (int frame = 0; frame <= 100; frame += 2) {
        writePicture(folder / ("чайник" + QStringLiteral("%1").arg(frame, 4, 10, QLatin1Char('0')) + ".jpg").toStdString(),
                     QColor(50, 50, 50));
    }

    auto menu = world.makeMenu();

    QVERIFY2(world.messages.isEmpty(), qPrintable(world.messages.join('\n')));
    QVERIFY(nearly(middleOf(readBmp(folder / "Заставка.bmp")), QColor(10, 200, 10)));
    QVERIFY(!readBmp(folder / "Чайник0100.bmp").isNull());
    // Old names are replaced, not doubled in another letter case.
    const auto entries = std::distance(std::filesystem::directory_iterator(folder), {});
    QCOMPARE(entries, std::ptrdiff_t{2 * 52});
}

void PicturesTest::missingAndUnreadablePicturesAreReportedTogetherAndSkipped() {
    MenuWorld world;
    world.addPictures();
    const auto missing = world.graphics() / "Чайник0050.jpg";
    const auto broken = world.graphics() / "Чайник0002.jpg";
    std::filesystem::remove(missing);
    std::ofstream(bmpFor(missing)) << "kept";
    std::ofstream(broken) << "not a picture";

    auto menu = world.makeMenu();

    QCOMPARE(world.messages.size(), 1);
    QCOMPARE(world.icons.front(), MessageIcon::Critical);
    QCOMPARE(world.messages.front().split('\n'),
             (QStringList{line("Не удалось прочитать рисунок ", broken), line("Фаил не найден ", missing)}));
    std::string kept;
    std::getline(std::ifstream(bmpFor(missing)), kept);
    QCOMPARE(kept, std::string("kept"));
    QVERIFY(!std::filesystem::exists(bmpFor(broken)));
    QVERIFY(!readBmp(world.graphics() / "Чайник0100.bmp").isNull());
    QCOMPARE(world.game->settings.speed, 2);
}

void PicturesTest::missingGraphicsFolderIsOneMessage() {
    MenuWorld world;
    auto menu = world.makeMenu();

    QCOMPARE(world.messages, QStringList{line("Путь не найден ", world.dir.path() / "графика")});
    QVERIFY(menu->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
    QCOMPARE(world.game->settings.soundOn, true);
}

void PicturesTest::unwritableBmpIsReportedUnlessOneIsAlreadyThere() {
    MenuWorld world;
    world.addPictures();
    // A folder in the way: no picture can be written there, and no picture is there.
    const auto blocked = world.graphics() / "Чайник0004.bmp";
    std::filesystem::create_directories(blocked);
    {
        auto menu = world.makeMenu();
        QCOMPARE(world.messages, QStringList{line("Не удалось записать рисунок ", blocked)});
    }
    for (const auto& jpeg : sources(world)) std::filesystem::remove_all(bmpFor(jpeg));

    // A read-only install that shipped one BMP: that one is used as it is, and
    // only the others are reported.
    world.messages.clear();
    std::ofstream(blocked) << "shipped";
    {
        const NoWrites readOnly;
        auto menu = world.makeMenu();
    }
    QCOMPARE(world.messages.size(), 1);
    const QStringList lines = world.messages.front().split('\n');
    QVERIFY2(lines.size() == 51, qPrintable(lines.join(QLatin1Char(10))));
    QVERIFY(lines.contains(line("Не удалось записать рисунок ", world.graphics() / "заставка.bmp")));
    QVERIFY(!lines.contains(line("Не удалось записать рисунок ", blocked)));
    std::string shipped;
    std::getline(std::ifstream(blocked), shipped);
    QCOMPARE(shipped, std::string("shipped"));
}

}  // namespace orbo::test

QTEST_MAIN(orbo::test::PicturesTest)
#include "PicturesTest.moc"

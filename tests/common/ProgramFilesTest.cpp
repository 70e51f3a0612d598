#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

using namespace program_files;

// Every name is one the programs can find in a folder spelt any way: each resolves
// into the same folder as the others of its kind.
TEST(ProgramFiles, NamesOfOneFolderFindTheSameFolderWhateverTheirSpelling) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "ЭТАЖИ");
    std::filesystem::create_directories(dir.path() / "ГРАФИКА");
    std::filesystem::create_directories(dir.path() / "ЗВУКИ");
    std::ofstream(dir.path() / "ЭТАЖИ" / "orbo2.orb") << "1";

    EXPECT_EQ(resolveProgramPath(dir.path(), levelFolder()), dir.path() / "ЭТАЖИ");
    EXPECT_EQ(resolveProgramPath(dir.path(), lowerCaseLevelFolder()), dir.path() / "ЭТАЖИ");
    EXPECT_EQ(resolveProgramPath(dir.path(), levelFile(2)), dir.path() / "ЭТАЖИ" / "orbo2.orb");
    EXPECT_EQ(resolveProgramPath(dir.path(), graphicsFolder()), dir.path() / "ГРАФИКА");
    EXPECT_EQ(resolveProgramPath(dir.path(), capitalisedGraphicsFolder()), dir.path() / "ГРАФИКА");
    EXPECT_EQ(resolveProgramPath(dir.path(), titlePicture()).parent_path(), dir.path() / "ГРАФИКА");
    EXPECT_EQ(resolveProgramPath(dir.path(), tuneFile()).parent_path(), dir.path() / "ЗВУКИ");
    for (const auto& effect : effectFiles())
        EXPECT_EQ(resolveProgramPath(dir.path(), effect).parent_path(), dir.path() / "ЗВУКИ") << effect;
}

// A missing level file or folder is reported under the name the program asked
// for; the counted folder and a level file keep their own spellings.
TEST(ProgramFiles, MissingNamesKeepTheSpellingTheMessagesShow) {
    TempDir dir;
    EXPECT_EQ(displayPath(resolveProgramPath(dir.path(), lowerCaseLevelFolder())), displayPath(dir.path()) + "/этажи");
    EXPECT_EQ(displayPath(resolveProgramPath(dir.path(), levelFile(3))), displayPath(dir.path()) + "/Этажи/Orbo3.orb");
    EXPECT_EQ(displayPath(resolveProgramPath(dir.path(), levelFile(12))),
              displayPath(dir.path()) + "/Этажи/Orbo12.orb");
    EXPECT_EQ(displayPath(resolveProgramPath(dir.path(), titlePicture())),
              displayPath(dir.path()) + "/графика/Заставка.bmp");
}

// One wave file a slot: a repeated name would play one sound for two events.
TEST(ProgramFiles, EverySoundSlotHasAFileOfItsOwn) {
    const auto files = effectFiles();
    const std::set<std::filesystem::path> distinct(files.begin(), files.end());
    EXPECT_EQ(distinct.size(), EffectCount);
    for (const auto& file : files) EXPECT_EQ(file.extension(), ".wav") << file;
}

}  // namespace
}  // namespace orbo

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "tests/assets/AssetFiles.h"
#include "tests/common/TempDir.h"

namespace orbo {
namespace {

namespace fs = std::filesystem;

int runGenerator(const fs::path& folder) {
    const std::string command = std::string("'") + ORBO_ASSETGEN + "' '" + folder.string() + "'";
    return std::system(command.c_str());
}

// Every file below the folder by its relative path, with its bytes.
std::map<std::string, std::vector<unsigned char>> contents(const fs::path& folder) {
    std::map<std::string, std::vector<unsigned char>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = assets_test::readBytes(entry.path());
    return files;
}

TEST(Generator, writesTheSameBytesEveryTime) {
    TempDir first;
    TempDir second;
    ASSERT_EQ(runGenerator(first.path()), 0);
    ASSERT_EQ(runGenerator(second.path()), 0);
    const auto a = contents(first.path());
    const auto b = contents(second.path());
    ASSERT_GT(a.size(), 150u);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between two runs";
    }
}

TEST(Generator, refusesToRunWithoutAFolder) {
    const std::string command = std::string("'") + ORBO_ASSETGEN + "' 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace orbo

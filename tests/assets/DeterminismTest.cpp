#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "tests/assets/AssetFiles.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

namespace fs = std::filesystem;

int runGenerator(const std::string& arguments) {
    return std::system((std::string("'") + ORBO_ASSETGEN + "' " + arguments + " 2>/dev/null").c_str());
}

// Every file below the folder by its relative path, with its bytes.
std::map<std::string, std::vector<unsigned char>> contents(const fs::path& folder) {
    std::map<std::string, std::vector<unsigned char>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = assets_test::readBytes(entry);
    return files;
}

TEST(Generator, writesTheSameBytesEveryTime) {
    TempDir first;
    TempDir second;
    ASSERT_EQ(runGenerator("'" + first.path().string() + "'"), 0);
    ASSERT_EQ(runGenerator("'" + second.path().string() + "'"), 0);
    const auto written = contents(first.path());
    const auto again = contents(second.path());
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written.size(), again.size());
    for (const auto& [name, bytes] : written)
        EXPECT_TRUE(again.count(name) && again.at(name) == bytes) << name << " differs between two runs";
}

// Without a folder it would have nowhere to write: that is a failure, not a success.
TEST(Generator, refusesToRunWithoutAFolder) { EXPECT_NE(runGenerator(""), 0); }

}  // namespace
}  // namespace orbo

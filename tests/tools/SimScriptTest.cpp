#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <memory>

#include "tests/tools/SimHarness.h"

namespace orbo {
namespace {

using SimOptionsTest = SimTest;

TEST_F(SimOptionsTest, OptionsBetweenSessionsChangeTheNextSession) {
    level(0, {CopsWalledIn, UnderCops, "", "", "", "", "", "", "", "", "", "", "", "", "000000000000005"});
    const auto lines = runAll("new\n1 Esc\noptions speed=1\ncontinue\n30\n");
    const Json& last = lines.back();
    const std::int64_t glide = last["clocks"]["glide"];
    EXPECT_LT(last["tick"].get<std::int64_t>() - glide, 201 + 16) << "speed 1 fires after 200 ms";
    EXPECT_EQ(lines[1]["session"], 2);
}

// Runs the real program and gives its exit status and standard error.
std::pair<int, std::string> runProgram(const std::string& arguments, const std::string& script) {
    const std::string command = "echo '" + script + "' | " + ORBO_SIM_PATH + " " + arguments + " 2>&1 >/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe.get())) output += buffer.data();
    const int status = pclose(pipe.release());
    return {WEXITSTATUS(status), output};
}

TEST_F(SimOptionsTest, BadInputEndsTheProgramWithStatusTwoAndAMessage) {
    const std::string dirArg = "--dir '" + dir.path().string() + "'";
    const auto [missingDirStatus, missingDir] = runProgram("", "1");
    EXPECT_EQ(missingDirStatus, 2);
    EXPECT_NE(missingDir.find("--dir DIR is required"), std::string::npos) << missingDir;

    const auto [badKeyStatus, badKey] = runProgram(dirArg, "new\n2 Fire");
    EXPECT_EQ(badKeyStatus, 2);
    EXPECT_NE(badKey.find("line 2: unknown key 'Fire'"), std::string::npos) << badKey;

    const auto [badSpeedStatus, badSpeed] = runProgram(dirArg + " --speed 0", "1");
    EXPECT_EQ(badSpeedStatus, 2);
    EXPECT_NE(badSpeed.find("--speed"), std::string::npos) << badSpeed;

    const auto [emptyShotStatus, emptyShot] = runProgram(dirArg + " --shot ''", "1");
    EXPECT_EQ(emptyShotStatus, 2);
    EXPECT_NE(emptyShot.find("--shot needs a file name, not an empty path"), std::string::npos) << emptyShot;

    const auto [badLineStatus, badLine] = runProgram(dirArg, "\n\noptions speed=9");
    EXPECT_EQ(badLineStatus, 2);
    EXPECT_NE(badLine.find("line 3: speed must be 1 to 7, not '9'"), std::string::npos) << badLine;

    level(0, {CopsWalledIn, UnderCops});
    EXPECT_EQ(runProgram(dirArg, "3 Right").first, 0);
}

TEST(SimShot, WritesTheLastFrameOfTheShippedGameAsAPicture) {
    const TempDir out;
    const std::string shot = (out.path() / "frame.bmp").string();
    const auto [status, errors] =
        runProgram(std::string("--dir '") + ORBO_BIN_DIR + "' --shot '" + shot + "'", "new\n3");
    ASSERT_EQ(status, 0) << errors;
    std::ifstream in(shot, std::ios::binary);
    std::vector<unsigned char> header(54);
    in.read(reinterpret_cast<char*>(header.data()), 54);
    ASSERT_TRUE(in) << "no picture written";
    const auto little = [&](std::size_t at) {
        return header[at] | header[at + 1] << 8 | header[at + 2] << 16 | header[at + 3] << 24;
    };
    EXPECT_EQ(header[0], 'B');
    EXPECT_EQ(header[1], 'M');
    EXPECT_EQ(little(18), 1024);
    EXPECT_EQ(little(22), 768);

    const auto [noFrameStatus, noFrame] =
        runProgram(std::string("--dir '") + out.path().string() + "' --shot '" + shot + "'", "1");
    EXPECT_EQ(noFrameStatus, 1) << "no level folder: the session never showed a frame";

    // Levels but no pictures: the screen opens, yet not even the title is shown.
    std::filesystem::create_directories(out.path() / "Этажи");
    std::ofstream(out.path() / "Этажи" / "Orbo0.orb") << "0000000000000000\r\n";
    std::filesystem::remove(shot);
    const auto [blankStatus, blank] =
        runProgram(std::string("--dir '") + out.path().string() + "' --shot '" + shot + "'", "1");
    EXPECT_EQ(blankStatus, 1) << blank;
    EXPECT_FALSE(std::filesystem::exists(shot)) << "no black picture passed off as a frame";
}

TEST_F(SimOptionsTest, ABadLineIsEchoedWithItsControlCharactersEscaped) {
    const auto [status, errors] = runProgram("--dir '" + dir.path().string() + "'",
                                             "2 \x1b[2J\x07\xc2\x9b"
                                             "1m Ключ");
    EXPECT_EQ(status, 2);
    EXPECT_NE(errors.find("unknown key '\\x1b[2J\\x07\\xc2\\x9b1m'"), std::string::npos) << errors;
    EXPECT_EQ(errors.find_first_of("\x1b\x07"), std::string::npos) << "no raw control byte reaches the terminal";
    EXPECT_EQ(errors.find("\xc2\x9b"), std::string::npos);

    const auto [letters, lettersErrors] = runProgram("--dir '" + dir.path().string() + "'", "2 Ключ");
    EXPECT_NE(lettersErrors.find("unknown key 'Ключ'"), std::string::npos) << "letters are no control characters";
}

}  // namespace
}  // namespace orbo

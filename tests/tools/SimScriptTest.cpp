#include <array>
#include <cstdio>
#include <memory>
#include <sys/wait.h>

#include "tests/tools/SimHarness.h"

namespace orbo {
namespace {

TEST(SimScript, ReadsCommandsKeysAndOptions) {
    std::istringstream in("# a comment\nnew\n\n3 Left Q 57   # trailing comment\noptions speed=4 smart=1\ncontinue\n");
    const auto script = sim::parseScript(in);
    ASSERT_EQ(script.size(), 4u);
    EXPECT_EQ(script[0].kind, sim::Command::Kind::NewGame);
    EXPECT_EQ(script[1].passes, 3);
    EXPECT_EQ(script[1].keys, (std::vector<int>{203, 16, 57}));
    EXPECT_EQ(script[1].line, 4);
    EXPECT_EQ(script[2].speed, 4);
    EXPECT_EQ(script[2].smartCops, true);
    EXPECT_FALSE(script[2].soundOn.has_value());
    EXPECT_EQ(script[3].kind, sim::Command::Kind::ContinueGame);
}

TEST(SimScript, NamesTheLineOfABadCommand) {
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"new\n5 Jump\n", "line 2: unknown key 'Jump'"},
             {"walk\n", "line 1: expected new, continue, options or a pass count, got 'walk'"},
             {"\n\noptions speed=9\n", "line 3: speed must be 1 to 7, not '9'"},
             {"3 256\n", "line 1: unknown key '256'"},
             {"new now\n", "line 1: unexpected 'now' after new"},
         }) {
        std::istringstream in(text);
        try {
            sim::parseScript(in);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const sim::ScriptError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

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

    level(0, {CopsWalledIn, UnderCops});
    EXPECT_EQ(runProgram(dirArg, "3 Right").first, 0);
}

TEST(SimShot, WritesTheLastFrameOfTheShippedGameAsAPicture) {
    const TempDir out;
    const std::string shot = (out.path() / "frame.bmp").string();
    const auto [status, errors] = runProgram(std::string("--dir '") + ORBO_BIN_DIR + "' --shot '" + shot + "'", "new\n3");
    ASSERT_EQ(status, 0) << errors;
    std::ifstream in(shot, std::ios::binary);
    std::vector<unsigned char> header(54);
    in.read(reinterpret_cast<char*>(header.data()), 54);
    ASSERT_TRUE(in) << "no picture written";
    const auto little = [&](std::size_t at) { return header[at] | header[at + 1] << 8 | header[at + 2] << 16 | header[at + 3] << 24; };
    EXPECT_EQ(header[0], 'B');
    EXPECT_EQ(header[1], 'M');
    EXPECT_EQ(little(18), 1024);
    EXPECT_EQ(little(22), 768);

    const auto [noFrameStatus, noFrame] = runProgram(std::string("--dir '") + out.path().string() + "' --shot '" + shot + "'", "1");
    EXPECT_EQ(noFrameStatus, 1) << "no level folder: the session never showed a frame";
}

}  // namespace
}  // namespace orbo

#include "cli/engines/MatchCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace flipstone::cli {
namespace {

constexpr const char* kRhino = "/usr/games/gtp-rhino";

int CountLines(const std::string& text, const std::string& word) {
    int count = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        count += line.find(word) != std::string::npos ? 1 : 0;
    }
    return count;
}

TEST(MatchCommandTest, TwoGamesAgainstGRhinoEndWithoutAFault) {
    if (!std::filesystem::exists(kRhino)) {
        GTEST_SKIP() << kRhino << " is not installed (Debian package grhino)";
    }
    MatchRequest request;
    request.first = std::string(FLIPSTONE_CLI) + " gtp --move-time 0.05";
    request.second = std::string(kRhino) + " --level 1";
    request.openings = 1;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunMatch(request, out, err), 0) << out.str() << err.str();
    EXPECT_EQ(CountLines(out.str(), "\"fault\":null"), 2) << out.str();
    EXPECT_EQ(CountLines(out.str(), "\"games\":2"), 1) << out.str();
}

TEST(MatchCommandTest, AnIllegalMoveLosesTheGameWithALineThatSaysSo) {
    MatchRequest request;
    request.first = std::string(FLIPSTONE_CLI) + " gtp --level 1";
    request.second = "while read line; do printf '= A1\\n\\n'; done";
    request.openings = 1;
    request.randomPlies = 0;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunMatch(request, out, err), 1);
    EXPECT_EQ(CountLines(out.str(), "played the illegal move 'A1'"), 2) << out.str();
    EXPECT_EQ(CountLines(out.str(), "\"wins\":2"), 1) << out.str();
}

TEST(MatchCommandTest, AnNBoardEngineIsRefereedAsAGtpEngineIs) {
    MatchRequest request;
    request.first = "nboard:" + std::string(FLIPSTONE_CLI) + " nboard --level 1";
    request.second = std::string(FLIPSTONE_CLI) + " gtp --level 2";
    request.openings = 2;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunMatch(request, out, err), 0) << out.str() << err.str();
    EXPECT_EQ(CountLines(out.str(), "\"fault\":null"), 4) << out.str();
    EXPECT_EQ(CountLines(out.str(), "\"black\":\"Flipstone " FLIPSTONE_VERSION " level 1\""), 2);
}

TEST(MatchCommandTest, AnIllegalOpeningIsRefusedBeforeAnyGame) {
    const std::string file =
        (std::filesystem::temp_directory_path() / "flipstone-openings-test.txt").string();
    std::ofstream(file) << "f5d6c3d3c4\n\n1. f5 2. f5\n";
    MatchRequest request;
    request.first = request.second = "exit 1";
    request.openingsFile = file;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunMatch(request, out, err), 2);
    EXPECT_EQ(err.str(), "flipstone-cli match: " + file + ":3: Move 2, f5, is not legal.\n");
    EXPECT_EQ(out.str(), "");
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace flipstone::cli

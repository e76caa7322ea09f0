#include "cli/FlipstoneCli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "engine/BoardText.h"
#include "game/CFlipstoneDoc.h"
#include "support/PlainSearch.h"
#include "support/PlainSolve.h"
#include "support/Positions.h"

namespace flipstone::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// The text of a field's value in a one-line JSON object (strings keep their quotes).
std::string Field(const std::string& json, const std::string& name) {
    const std::string key = "\"" + name + "\":";
    const auto at = json.find(key);
    if (at == std::string::npos) {
        return "<missing>";
    }
    const auto begin = at + key.size();
    const auto end =
        json[begin] == '"' ? json.find('"', begin + 1) + 1 : json.find_first_of(",}]", begin);
    return json.substr(begin, end - begin);
}

const std::string kStart = "---------------------------OX------XO---------------------------";

TEST(FlipstoneCliTest, HelpExplainsEveryCommandAndTheBoardFormat) {
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"analyse", "perft", "selfplay", "64 characters", "d3"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
    for (const char* command : {"analyse", "perft", "selfplay"}) {
        const CliRun one = Cli({"help", command});
        EXPECT_EQ(one.status, 0);
        EXPECT_NE(one.out.find(std::string("flipstone-cli ") + command), std::string::npos);
        EXPECT_EQ(Cli({command, "--help"}).out, one.out);
    }
}

TEST(FlipstoneCliTest, BadArgumentsGiveOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"frobnicate"},
        {"help", "frobnicate"},
        {"analyse", "--board", "XO", "--computer", "w", "--level", "1"},
        {"analyse", "--board", std::string(63, '-') + "Z", "--computer", "w", "--level", "1"},
        {"analyse", "--board", std::string(63, '-') + "\n", "--computer", "w", "--level", "1"},
        {"analyse", "--board", kStart, "--computer", "g", "--level", "1"},
        {"analyse", "--board", kStart, "--computer", "w", "--level", "0"},
        {"analyse", "--board", kStart, "--computer", "w", "--level", "5"},
        {"analyse", "--board", kStart, "--computer", "w", "--level", "two"},
        {"analyse", "--board", kStart, "--computer", "w", "--level", "99999999999999999999"},
        {"analyse", "--board", kStart, "--computer", "w"},
        {"analyse", "--board", kStart, "--computer", "w", "--level", "1", "--depth", "3"},
        {"analyse", "--board", kStart, "--computer", "w", "--level", "1", "--level", "2"},
        {"analyse", "--board", kStart, "--computer", "w", "--level", "1", "--hint", "--hint"},
        {"analyse", "--board"},
        {"analyse", "stray"},
        {"perft", "--depth", "0"},
        {"perft", "--depth", "-3"},
        {"perft"},
        {"perft", "--depth", "0x3"},
        {"--version", "x"},
        {"selfplay", "--games", "2", "--levels", "2"},
        {"selfplay", "--games", "2", "--levels", "2,9"},
        {"selfplay", "--games", "0", "--levels", "2,1"},
        {"selfplay", "--games", "1", "--levels", "2,1", "--seed", "x"},
        {"selfplay", "--games", "1", "--levels", "2,1", "--kernel", "avx3"},
        {"selfplay", "--games", "1", "--levels", "2,1", "--worker", "both"},
        {"review", "--moves", "f5d6c3d3d3"},
        {"review", "--moves", "nonsense"},
        {"review", "--moves", "f5", "--threads", "0"},
        {"solve", "--board", kStart},
        {"solve", "--side", "b", "--file", "x.txt"},
        {"solve", "--board", kStart, "--side", "b", "--file", "x.txt"},
        {"solve", "--board", kStart, "--side", "b", "--threads", "0"},
    };
    for (const auto& args : bad) {
        const CliRun run = Cli(args);
        std::string shown;
        for (const auto& arg : args) {
            shown += arg + " ";
        }
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_TRUE(run.out.empty()) << shown;
        EXPECT_EQ(run.err.rfind("flipstone-cli: ", 0), 0u) << shown;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << shown;
    }
}

TEST(FlipstoneCliTest, ReviewNamesTheIllegalMoveAndJudgesEveryMoveOtherwise) {
    const CliRun illegal = Cli({"review", "--moves", "f5d6c3d3d3"});
    EXPECT_NE(illegal.err.find("Move 5, d3"), std::string::npos) << illegal.err;

    const CliRun review = Cli({"review", "--moves", "f5d6c3"});
    ASSERT_EQ(review.status, 0) << review.err;
    std::istringstream lines(review.out);
    std::string line;
    for (const char* move : {"\"f5\"", "\"d6\"", "\"c3\""}) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(Field(line, "move"), move);
        EXPECT_EQ(std::stoi(Field(line, "loss")),
                  std::stoi(Field(line, "best_value")) - std::stoi(Field(line, "value")));
    }
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(Field(line, "moves"), "3");
    EXPECT_EQ(Field(line, "opening"), "\"Perpendicular opening\"");
}

// A suite line that names the solver's value and move is right; one that names another value is
// wrong, and solve then exits with 1.
TEST(FlipstoneCliTest, SolveChecksTheValuesASuiteNames) {
    const auto [board, side] = testing::RandomGamePosition(4, 12);
    const std::string text = BoardText::Format(board);
    const CliRun one = Cli({"solve", "--board", text, "--side", side == kBlack ? "b" : "w"});
    ASSERT_EQ(one.status, 0) << one.err;
    const std::string move = Field(one.out, "move");
    const int value = std::stoi(Field(one.out, "value"));
    const std::string path = ::testing::TempDir() + "/suite.txt";
    for (const int named : {value, value + 2}) {
        std::ofstream(path) << "% a suite\n"
                            << text << (side == kBlack ? " X" : " O") << "; " << move.substr(1, 2)
                            << ":" << named << "\n";
        const CliRun suite = Cli({"solve", "--file", path, "--threads", "2"});
        EXPECT_EQ(suite.status, named == value ? 0 : 1) << suite.out;
        EXPECT_EQ(Field(suite.out, "right"), named == value ? "true" : "false");
    }
}

TEST(FlipstoneCliTest, PerftPrintsTheKnownCountsDepthByDepth) {
    const CliRun run = Cli({"perft", "--depth", "6"});
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    const long long expected[] = {4, 12, 56, 244, 1396, 8200};
    std::string line;
    for (int depth = 1; depth <= 6; ++depth) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(Field(line, "depth"), std::to_string(depth));
        EXPECT_EQ(Field(line, "leaves"), std::to_string(expected[depth - 1]));
    }
}

struct KeptCase {
    const char* board;
    char computer;
    int level;
    bool hint;
    const char* move;
    int value;
    long long leaves;
};

// Positions from seeded random games, with the results we keep: a change that alters a chosen
// move, a value or the amount of work shows here at once.
const KeptCase kKeptCases[] = {
    {"----------X--------XO-----XOO-----OXO----O-X----O--XO-----------", 'b', 1, false, "f8", 15,
     2022},
    {"----------X--------XO-----XOO-----OXO----O-X----O--XO-----------", 'w', 1, true, "f8", -15,
     2022},
    {"-------X------X--XXXXX-----XXX--OOOXXO----OO-X------O-----------", 'b', 2, false, "g6", 33,
     7646},
    {"-------X------X--XXXXX-----XXX--OOOXXO----OO-X------O-----------", 'w', 2, true, "g6", -33,
     7646},
    {"----O-----XOOO--XXO-OOOO-OXXOO--OOOXOO------XX-------XX--------X", 'b', 3, false, "d3", 35,
     40071},
    {"----O-----XOOO--XXO-OOOO-OXXOO--OOOXOO------XX-------XX--------X", 'w', 3, true, "d3", -35,
     40071},
    {"--OOO-O--X-OOO-X-OO-OOOOXXOXOXX-O-XOO----O-XO---O---XX-------XX-", 'b', 1, false, "h4", -33,
     2141},
    {"--OOO-O--X-OOO-X-OO-OOOOXXOXOXX-O-XOO----O-XO---O---XX-------XX-", 'w', 1, true, "h4", 33,
     2141},
    {"-XXX----XXX--O----OXOO-OOOXOXOOXOOOOOOX---XOOOX---OXX-O---O-X-XO", 'b', 2, false, "a3", -78,
     11804},
    {"-XXX----XXX--O----OXOO-OOOXOXOOXOOOOOOX---XOOOX---OXX-O---O-X-XO", 'w', 2, true, "a3", 78,
     11804},
    {"-O-XOO----XXXO---XOXOXX-XXXOOXXXOX-OOOXOOOXOOO-O---OX-OO--OOXX--", 'b', 3, false, "c7", 47,
     21640},
    {"-O-XOO----XXXO---XOXOXX-XXXOOXXXOX-OOOXOOOXOOO-O---OX-OO--OOXX--", 'w', 3, true, "c7", -47,
     21640},
    {"OX-XOOOOOOXO-XO-XOOXOOX-OOOOOOXX-OOOXXOX--OOXXXX--X-XXO--X-XX---", 'b', 4, false, "h8", -64,
     89877},
    {"OX-XOOOOOOXO-XO-XOOXOOX-OOOOOOXX-OOOXXOX--OOXXXX--X-XXO--X-XX---", 'w', 4, true, "h8", 64,
     89877},
    {"OOOO--O-OOOOOXO-OOXOXXO-OOOXXOOOXXXXOXOOXXXXXXXOXXXXXX---O-XXXX-", 'b', 1, false, "h1", -1034,
     19199},
    {"OOOO--O-OOOOOXO-OOXOXXO-OOOXXOOOXXXXOXOOXXXXXXXOXXXXXX---O-XXXX-", 'w', 1, true, "h1", 1034,
     19199},
    {"OOOO-XOOOOOOOOXOOOOXOO-OXXXXXXX-X-XXXXXXXXXXXX--XXXXXX--OOOXXXX-", 'w', 2, false, "g3", 1040,
     7396},
    {"OOOO-XOOOOOOOOXOOOOXOO-OXXXXXXX-X-XXXXXXXXXXXX--XXXXXX--OOOXXXX-", 'b', 2, true, "g3", -1040,
     7396},
    {"OXXO--O-XXX--OXXXXXOOXXXXOXOOOXOXXXOOOXOOOOOOXOO-OXOOOX-----OXX-", 'b', 1, false, "a8", -64,
     1070},
    {"OXXO--O-XXX--OXXXXXOOXXXXOXOOOXOXXXOOOXOOOOOOXOO-OXOOOX-----OXX-", 'w', 1, true, "a8", 64,
     1070},
    {"---------X---X----XXX-----XXX------XOOOO-OOOOOO-----OOO-------XO", 'b', 4, false, "d7", -64,
     174796},
    {"---------X---X----XXX-----XXX------XOOOO-OOOOOO-----OOO-------XO", 'w', 4, true, "d7", 64,
     174796},
    {"OOOOOO--X-OOOOX--OOXOXOXOOXOOO-OOXOXOXO-XXXXOOOOXXOOXXO-XXXXXXXO", 'b', 3, false, "g1", 1020,
     6483},
    {"OOOOOO--X-OOOOX--OOXOXOXOOXOOO-OOXOXOXO-XXXXOOOOXXOOXXO-XXXXXXXO", 'w', 3, true, "g1", -1020,
     6483},
};

CliRun Analyse(const std::string& board, char computer, int level, bool hint) {
    std::vector<std::string> args = {"analyse",
                                     "--board",
                                     board,
                                     "--computer",
                                     std::string(1, computer),
                                     "--level",
                                     std::to_string(level)};
    if (hint) {
        args.push_back("--hint");
    }
    return Cli(args);
}

TEST(FlipstoneCliTest, AnalyseKeepsItsResultsOnKnownPositions) {
    for (const KeptCase& c : kKeptCases) {
        const CliRun run = Analyse(c.board, c.computer, c.level, c.hint);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Field(run.out, "move"), std::string("\"") + c.move + "\"") << c.board;
        EXPECT_EQ(Field(run.out, "value"), std::to_string(c.value)) << c.board;
        EXPECT_EQ(Field(run.out, "leaves"), std::to_string(c.leaves)) << c.board;
    }
}

TEST(FlipstoneCliTest, AnalyseRootsAgreeWithThePlainRootSearch) {
    for (const KeptCase& c : kKeptCases) {
        const Board board = testing::BoardFrom(c.board);
        const std::uint8_t computer = c.computer == 'b' ? kBlack : kWhite;
        const auto expected =
            testing::PlainRootSearch(board, computer, Opponent(computer), c.level - 1, c.hint);
        const CliRun run = Analyse(c.board, c.computer, c.level, c.hint);
        EXPECT_EQ(Field(run.out, "depth"), std::to_string(expected.depth));
        std::string roots = run.out.substr(run.out.find("\"roots\""));
        for (const auto& root : expected.roots) {
            const std::string name = BoardText::SquareName({root.column, root.row});
            const std::string entry = "{\"move\":\"" + name +
                                      "\",\"static\":" + std::to_string(root.staticValue) +
                                      ",\"value\":" + std::to_string(root.value) +
                                      ",\"leaves\":" + std::to_string(root.cumulativeLeaves) + ",";
            const auto at = roots.find(entry);
            ASSERT_NE(at, std::string::npos) << entry << " in " << roots;
            roots = roots.substr(at + entry.size());
        }
    }
}

TEST(FlipstoneCliTest, AnalyseWithoutALegalMoveIsAResult) {
    const std::string blocked = "X-------O" + std::string(55, '-');
    for (bool hint : {false, true}) {
        const CliRun run = Analyse(blocked, hint ? 'b' : 'w', 3, hint);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Field(run.out, "move"), "null");
        EXPECT_EQ(Field(run.out, "column"), "-1");
        EXPECT_EQ(Field(run.out, "row"), "-1");
        EXPECT_EQ(Field(run.out, "value"), hint ? "9999" : "-9999");
        EXPECT_EQ(Field(run.out, "leaves"), "0");
        EXPECT_NE(run.out.find("\"roots\":[]"), std::string::npos);
    }
}

// Near the end every move's value is exact, the best first and the line from it on.
TEST(FlipstoneCliTest, AnalyseStrongestValuesEveryMoveOfThePosition) {
    const auto [board, side] = testing::RandomGamePosition(6, 10);
    ASSERT_TRUE(board.HasLegalMove(side));
    const CliRun run = Cli({"analyse", "--board", BoardText::Format(board), "--strongest", "--side",
                            side == kBlack ? "b" : "w"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Field(run.out, "value"), std::to_string(testing::PlainSolve(board, side)));
    EXPECT_EQ(Field(run.out, "book"), "false");
    EXPECT_EQ(run.out.find("\"moves\":[{\"move\":" + Field(run.out, "move") + ","),
              run.out.find("\"moves\":"));
    EXPECT_NE(run.out.find("\"line\":[" + Field(run.out, "move")), std::string::npos);
    for (const Square square : board.LegalSquares(side)) {
        Board after = board;
        after.Place(square.column, square.row, side);
        const std::string entry = "{\"move\":\"" + BoardText::SquareName(square) + "\",\"value\":" +
                                  std::to_string(-testing::PlainSolve(after, Opponent(side))) +
                                  ",\"exact\":true}";
        EXPECT_NE(run.out.find(entry), std::string::npos) << entry << " in " << run.out;
    }
}

// A book made from nothing, on one thread per core unless told otherwise, named in its summary
// as a JSON string whatever its file's name holds; then looked up.
TEST(FlipstoneCliTest, BookMakesABookAndLooksPositionsUpInIt) {
    const std::string path = ::testing::TempDir() + "a \"quoted\" \\ name.book";
    std::remove(path.c_str());
    const CliRun made = Cli({"book", "--extend", "--file", path, "--plies", "2", "--depth", "4"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out.rfind("{\"book\":\"" + ::testing::TempDir() +
                                 R"(a \"quoted\" \\ name.book","positions_before":0,)",
                             0),
              0u)
        << made.out;
    EXPECT_EQ(Field(made.out, "positions"), "5");
    EXPECT_EQ(Field(made.out, "threads"),
              std::to_string(std::max(1u, std::thread::hardware_concurrency())));

    for (const auto& [moves, count] : {std::pair{"", 4}, std::pair{"f5", 3}}) {
        const CliRun found = Cli({"book", "--file", path, "--moves", moves});
        ASSERT_EQ(found.status, 0) << found.err;
        EXPECT_EQ(Field(found.out, "positions"), "5");
        EXPECT_EQ(Field(found.out, "in_book"), "true");
        EXPECT_EQ(Field(found.out, "depth"), "0");
        int listed = 0;
        for (auto at = found.out.find("{\"move\":"); at != std::string::npos;
             at = found.out.find("{\"move\":", at + 1)) {
            ++listed;
        }
        EXPECT_EQ(listed, count) << moves;
    }
    std::remove(path.c_str());
}

// Everything but the summary line: the moves with their values and leaves, and the results.
std::string WithoutSummary(const std::string& out) {
    return out.substr(0, out.rfind("{\"games\""));
}

TEST(FlipstoneCliTest, SelfPlayFinishesEveryGameTheSameWithTheSearchThread) {
    // Both runs start with the program's step counter where it starts.
    CFlipstoneDoc::stepCounter = 0;
    const CliRun run = Cli({"selfplay", "--games", "4", "--levels", "2,1", "--seed", "3"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("\"games\":4,\"unfinished\":0"), std::string::npos);
    EXPECT_EQ(run.out.find("\"finished\":false"), std::string::npos);
    CFlipstoneDoc::stepCounter = 0;
    const CliRun threaded =
        Cli({"selfplay", "--games", "4", "--levels", "2,1", "--seed", "3", "--worker", "threaded"});
    EXPECT_EQ(threaded.status, 0) << threaded.out;
    EXPECT_TRUE(WithoutSummary(threaded.out) == WithoutSummary(run.out));
    EXPECT_NE(threaded.out.find("\"worker\":\"threaded\""), std::string::npos);
}

}  // namespace
}  // namespace flipstone::cli

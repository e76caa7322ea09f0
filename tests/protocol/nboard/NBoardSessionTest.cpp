#include "protocol/nboard/NBoardSession.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/records/RecordWriter.h"
#include "game/review/PositionAnalyst.h"
#include "protocol/LevelPlayer.h"
#include "protocol/StrongPlayer.h"

namespace flipstone::protocol {
namespace {

const std::string kGgfStart =
    "(;GM[Othello]PC[NBoard]DT[2024-05-01]PB[you]PW[Flipstone]RE[?]TI[15:00]TY[8]BO[8 "
    "---------------------------O*------*O--------------------------- *]";

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// NBoard's side of a session, with a game that cannot be read and a move that is not legal.
TEST(NBoardSessionTest, AScriptedSessionKeepsItsGameThroughABrokenGgfAndAnIllegalMove) {
    std::istringstream in("nboard 2\nset depth 12\nset contempt 0\nset game " + kGgfStart +
                          "B[F5]W[F6]B[E6//1.5]W[F4];)\nping 1\ngo\nmove E3/1.00/2.0\n"
                          "set game (;GM[Othello]B[F5]W[Z9];)\nmove a1\nfrobnicate\nlearn\n"
                          "ping 2\nhint 2\n");
    std::ostringstream out;
    LevelPlayer level(1);
    PositionAnalyst analyst;
    NBoardSession session(level, analyst, 0.05, out);
    session.Serve(in);

    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 12u) << out.str();
    EXPECT_EQ(lines[0], "set myname Flipstone " FLIPSTONE_VERSION " level 1");
    EXPECT_EQ(lines[1], "pong 1");
    EXPECT_EQ(lines[2], "status Flipstone is thinking");
    EXPECT_TRUE(lines[3].starts_with("=== E3//0.")) << lines[3];
    EXPECT_EQ(lines[4],
              "status Flipstone kept its game: This is not a game record: move 2 of the GGF game, "
              "'Z9', is not a square.");
    EXPECT_EQ(lines[5], "status Flipstone kept its game: the move 'a1' is not legal there.");
    EXPECT_EQ(lines[6], "learned");
    EXPECT_EQ(lines[7], "pong 2");
    EXPECT_EQ(lines[8], "status Flipstone is thinking");
    EXPECT_TRUE(lines[9].starts_with("search ") && lines[10].starts_with("search ")) << out.str();
    EXPECT_EQ(lines[11], "status");
    EXPECT_EQ(WriteTranscript(session.Game()), "f5f6e6f4e3");
    EXPECT_EQ(session.CurrentPosition(), session.Game().FinalPosition());
}

// Twelve empty squares and three moves, each position solved exactly: the values come from the
// end backwards, each from the side to move's view.
TEST(NBoardSessionTest, AnalyzeTellsEveryPositionsValueFromTheEndBackwards) {
    std::istringstream in(
        "set game -XXX--O-XXXXXOOX--OXOOOXOOOOXXOXOOOXXXOOOOOOOOX--OOOOOOX--O-X-XO X\n"
        "move E1\nmove A1//0.5\nmove F1\nanalyze\n");
    std::ostringstream out;
    StrongPlayer strongest;
    PositionAnalyst analyst;
    NBoardSession(strongest, analyst, 0.5, out).Serve(in);
    EXPECT_EQ(out.str(),
              "status Flipstone is analysing the game\nanalysis 3 -14.00\nanalysis 2 14.00\n"
              "analysis 1 12.00\nanalysis 0 6.00\nstatus\n");
}

// A ping waiting behind a hint of hours (no book, a budget without end) ends it, every opening
// move valued (the test's time limit catches a hint that goes on).
TEST(NBoardSessionTest, APingCutsALongHintShortWithEveryMoveValued) {
    std::istringstream in("hint 4\nping 1\n");
    std::ostringstream out;
    StrongPlayer strongest;
    const book::OpeningBook noBook;
    PositionAnalyst analyst(noBook, {std::int64_t{1} << 50, 0, 0, 0});
    NBoardSession(strongest, analyst, 600, out).Serve(in);
    EXPECT_EQ(Lines(out.str()).size(), 7u) << out.str();  // status, four moves, status, pong
}

// Asks every thread but the session's to stop: the analysis stops as soon as the relay looks,
// and the session's own loop never stops on its own.
class StopSeenByTheRelayOnly : public StopSignal {
public:
    bool StopRequested() const override { return std::this_thread::get_id() != session_; }

private:
    std::thread::id session_ = std::this_thread::get_id();
};

// An analysis that is stopped tells nothing: every value analyze prints is the verdict. The
// game ends in the middle game and the budget has no end, so every position's analysis is cut.
TEST(NBoardSessionTest, AStoppedAnalyzeTellsNoValue) {
    std::ostringstream out;
    LevelPlayer level(1);
    const book::OpeningBook noBook;
    PositionAnalyst analyst(noBook, {std::int64_t{1} << 50, 0, 0, 0});
    NBoardSession session(level, analyst, 1, out);
    session.Handle("set game " + kGgfStart + "B[F5]W[F6]B[E6]W[F4];)", StopSeenByTheRelayOnly());
    session.Handle("analyze", StopSeenByTheRelayOnly());
    EXPECT_EQ(out.str(), "status Flipstone is analysing the game\nstatus\n");
}

}  // namespace
}  // namespace flipstone::protocol

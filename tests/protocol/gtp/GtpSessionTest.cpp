#include "protocol/gtp/GtpSession.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/BoardText.h"
#include "game/LevelAnalysis.h"
#include "protocol/LevelPlayer.h"

namespace flipstone::protocol {
namespace {

constexpr double kMoveSeconds = 0.01;

Board StartBoard() {
    Board board;
    board.Reset();
    return board;
}

struct Exchange {
    std::string line;
    std::string reply;
};

TEST(GtpSessionTest, EachLineGetsItsReplyAndOnlyMovesChangeThePosition) {
    const std::vector<Exchange> table = {
        {"protocol_version", "= 2\n\n"},
        {"7 name", "=7 Flipstone\n\n"},
        {"list_games", "= Othello\n\n"},
        {"set_game othello", "=\n\n"},
        {"boardsize 8", "=\n\n"},
        {"boardsize 10", "? unacceptable size\n\n"},
        {"boardsize 1099511627776", "? unacceptable size\n\n"},
        {"boardsize -1", "? unacceptable size\n\n"},
        {"boardsize eight", "? boardsize is not an integer\n\n"},
        {"known_command genmove", "= true\n\n"},
        {"komi 6.5", "=\n\n"},
        {"time_left white -5 0", "=\n\n"},
        {"time_settings x 0 0", "? syntax error\n\n"},
        {"final_score", "= 0\n\n"},
        {"undo", "? cannot undo\n\n"},
        {"", ""},
        {"   \t ", ""},
        {"# play black d3", ""},
        {"frobnicate", "? unknown command\n\n"},
        {"12 frobnicate d3", "?12 unknown command\n\n"},
        {std::string("play\0 black d3", 14), "=\n\n"},
        {"9 play BLACK D3 # comment", "=9\n\n"},
        {"play b d4", "? illegal move\n\n"},
        {"play white d3", "? illegal move\n\n"},
        {"play black i9", "? invalid coordinate\n\n"},
        {"play purple d3", "? syntax error\n\n"},
        {"play black pass", "? illegal move\n\n"},
        {"genmove white", "? the other colour is to move\n\n"},
        {std::string(100000, 'x'), "? unknown command\n\n"},
    };
    LevelPlayer player(1);
    for (const Exchange& exchange : table) {
        GtpSession session(player, kMoveSeconds);
        EXPECT_EQ(session.Answer(exchange.line), exchange.reply) << exchange.line.substr(0, 40);
        const bool moved = exchange.reply.starts_with("=") && exchange.line.find("play") < 5;
        EXPECT_EQ(session.CurrentPosition().GetBoard() == StartBoard(), !moved)
            << exchange.line.substr(0, 40);
    }
}

TEST(GtpSessionTest, ASideWithoutAMovePassesUnannounced) {
    LevelPlayer player(1);
    GtpSession session(player, kMoveSeconds);
    for (const char* square : {"d3", "c3", "e6", "d2", "d1", "e1", "b2", "c1"}) {
        const std::string colour =
            session.CurrentPosition().ToMove() == kBlack ? "black " : "white ";
        ASSERT_EQ(session.Answer("play " + colour + square), "=\n\n") << square;
    }
    // Black has no move here: white plays twice in a row, and genmove black passes.
    EXPECT_EQ(session.Answer("genmove black"), "= pass\n\n");
    const Board beforeWhite = session.CurrentPosition().GetBoard();
    EXPECT_TRUE(session.Answer("genmove white").starts_with("= "));
    EXPECT_NE(session.CurrentPosition().GetBoard(), beforeWhite);
    EXPECT_EQ(session.Answer("undo"), "=\n\n");
    EXPECT_EQ(session.CurrentPosition().GetBoard(), beforeWhite);
}

TEST(GtpSessionTest, ALevelPlaysTheGamesMoveInUpperCase) {
    LevelPlayer player(2);
    GtpSession session(player, kMoveSeconds);
    std::string expected = "= " + BoardText::SquareName(GameMove(StartBoard(), kBlack, 2));
    expected[2] = static_cast<char>(expected[2] - 'a' + 'A');
    EXPECT_EQ(session.Answer("genmove b"), expected + "\n\n");
    EXPECT_EQ(session.Answer("version"), "= " FLIPSTONE_VERSION " level 2\n\n");
}

TEST(GtpSessionTest, TheConversationEndsAtQuitOrTheEndOfInput) {
    for (const auto& [input, output] : std::vector<std::pair<std::string, std::string>>{
             {"name\nprotocol_version", "= Flipstone\n\n= 2\n\n"},
             {"3 quit\nname\n", "=3\n\n"},
         }) {
        std::istringstream in(input);
        std::ostringstream out;
        LevelPlayer player(1);
        GtpSession(player, kMoveSeconds).Serve(in, out);
        EXPECT_EQ(out.str(), output);
    }
}

// A player that always chooses a1, which is never legal at the start.
class CornerPlayer : public EnginePlayer {
public:
    std::string Mode() const override { return "corner"; }
    MoveChoice ChooseMove(const Position&, double) override {
        MoveChoice choice;
        choice.square = {0, 0};
        return choice;
    }
};

TEST(GtpSessionTest, AnIllegalChoiceOfThePlayerIsAFaultAndNoMoveIsPlayed) {
    CornerPlayer player;
    GtpSession session(player, kMoveSeconds);
    EXPECT_EQ(session.Answer("genmove black"), "? the player chose the illegal move A1\n\n");
    EXPECT_EQ(session.CurrentPosition(), Position::Start());
}

TEST(GtpSessionTest, ALineLongerThan64KiBIsAnsweredAndSkipped) {
    const std::string tooLong = "? line longer than 65536 bytes\n\n";
    std::istringstream in(std::string(70000, 'x') + "\n3 name\n" + std::string(1 << 20, 'y'));
    std::ostringstream out;
    LevelPlayer player(1);
    GtpSession(player, kMoveSeconds).Serve(in, out);
    EXPECT_EQ(out.str(), tooLong + "=3 Flipstone\n\n" + tooLong);
}

}  // namespace
}  // namespace flipstone::protocol

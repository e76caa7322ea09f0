#include "protocol/referee/Referee.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "protocol/LevelPlayer.h"
#include "protocol/gtp/GtpPeer.h"
#include "protocol/gtp/GtpSession.h"
#include "support/InProcessChannel.h"

namespace flipstone::protocol {
namespace {

using Edit = std::function<std::string(const std::string& line, const std::string& reply)>;

// The game's level 1 behind a GTP session in this process, its replies edited as a test says.
class LevelEngine {
public:
    explicit LevelEngine(const Edit& edit = [](const std::string&,
                                               const std::string& reply) { return reply; })
        : channel_([this, edit](const std::string& line) {
              return edit(line, session_.Answer(line));
          }) {}

    MatchEngine& Peer() { return peer_; }
    testing::InProcessChannel& Channel() { return channel_; }

private:
    LevelPlayer player_{1};
    GtpSession session_{player_, 0.01};
    testing::InProcessChannel channel_;
    GtpPeer peer_{channel_};
};

bool GameFinished(const RefereedGame& game) {
    return game.fault.empty() && game.blackDiscs + game.whiteDiscs > 4;
}

TEST(RefereeTest, AnEngineWithoutTheClockCommandsPlaysUntimedAndTheGameLineSaysSo) {
    LevelEngine black;
    LevelEngine white([](const std::string& line, const std::string& reply) {
        return line.starts_with("time_") ? "? unknown command\n\n" : reply;
    });
    const RefereedGame game = Referee(black.Peer(), white.Peer(), 60).Play({});
    EXPECT_TRUE(GameFinished(game)) << game.fault;
    EXPECT_EQ(game.notes, std::vector<std::string>{"white plays untimed: it answered "
                                                   "'time_settings 60 0 0' with '? unknown "
                                                   "command'"});
}

TEST(RefereeTest, RepliesAreReadWithoutTheWhiteSpaceAroundThem) {
    const Edit padded = [](const std::string&, const std::string& reply) {
        return reply.size() > 3
                   ? reply.substr(0, 1) + "  " + reply.substr(2, reply.size() - 4) + " \t\n\n"
                   : reply;
    };
    LevelEngine black(padded);
    LevelEngine white(padded);
    const RefereedGame game = Referee(black.Peer(), white.Peer(), 0).Play({{5, 4}});
    EXPECT_TRUE(GameFinished(game)) << game.fault;
}

TEST(RefereeTest, AnEngineThatEndsLosesWithALineThatSaysSo) {
    LevelEngine black;
    LevelEngine white;
    white.Channel().EndAfter(6);
    const RefereedGame game = Referee(black.Peer(), white.Peer(), 0).Play({});
    EXPECT_EQ(game.forfeited, kWhite);
    EXPECT_EQ(game.fault, "white ended without answering 'genmove white'");
    EXPECT_EQ(game.BlackMargin(), 64);
}

}  // namespace
}  // namespace flipstone::protocol

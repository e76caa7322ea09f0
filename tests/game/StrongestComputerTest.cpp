// The strongest player as the game's computer: chosen beside the four levels, it thinks on its
// own thread while the steps show its figures, plays a legal move, and is abandoned like a search.
#include "game/StrongestComputer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "game/records/RecordReader.h"

namespace flipstone {
namespace {

struct RecordedUpdate : CommandUpdate {
    void Enable(bool value) override { enabled = value; }
    void SetCheck(int value) override { checked = value; }
    bool enabled = false;
    int checked = -1;
};

class StrongestTest : public ::testing::Test {
protected:
    StrongestTest() : document(host, SearchMode::kThreaded) {
        host.Attach(&document);
        document.NewGame();
        document.OnCommand(ID_LEVEL_STRONGEST);
    }

    // Steps until the human may move again, a millisecond apart; counts the steps that showed
    // the strongest player's figures while it thought.
    int StepToTheHuman() {
        int showing = 0;
        for (int guard = 0; guard < 20000 && !document.HumanMayMove(); ++guard) {
            document.TurnStep();
            showing += document.thinking != 0 && document.leafCount > 0 &&
                               document.examinedSquare.column >= 0
                           ? 1
                           : 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return showing;
    }

    HeadlessHost host;
    CFlipstoneDoc document;
};

TEST_F(StrongestTest, ItIsALevelBesideTheFourAndTheLevelsLeaveIt) {
    for (const int level : {0, 3, kStrongestLevel}) {
        RecordedUpdate update;
        document.OnUpdateLevel(level, update);
        EXPECT_EQ(update.checked, level == kStrongestLevel ? 1 : 0) << level;
    }
    document.OnCommand(ID_LEVEL_2);
    EXPECT_EQ(document.levelIndex, 1);
}

TEST_F(StrongestTest, ItPlaysALegalMove) {
    ASSERT_TRUE(document.PlayHumanMove(3, 2));
    const Board afterHuman = [&] {
        Board board = document.board;
        board.Place(3, 2, kBlack);
        return board;
    }();
    StepToTheHuman();
    const std::vector<Square>& moves = document.History().Record().moves;
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_TRUE(afterHuman.CanPlace(moves[1].column, moves[1].row, kWhite));
    EXPECT_EQ(document.examinedSquare, Square{}) << "nothing examined once it has played";
}

TEST_F(StrongestTest, ItShowsWhatItExaminesWhileItThinks) {
    // The opening book answers the first moves at once; this game has left it, white to move.
    document.PlayFrom(*ReadGameRecord("f5f6e6f4e3f2d3").record, kBlack);
    EXPECT_GT(StepToTheHuman(), 0) << "the examined square, value and leaves showed";
}

TEST_F(StrongestTest, ANewGameAbandonsItsThinkingAndNoLateMoveLands) {
    ASSERT_TRUE(document.PlayHumanMove(3, 2));
    for (int guard = 0; guard < 2000 && document.thinking == 0; ++guard) {
        document.TurnStep();
    }
    document.TurnStep();  // the strongest player starts thinking
    ASSERT_NE(document.thinking, 0);
    document.NewGame();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    for (int step = 0; step < 100; ++step) {
        document.TurnStep();
    }
    EXPECT_EQ(document.board.CountDiscs(), 4);
    EXPECT_TRUE(document.History().Record().moves.empty());
}

}  // namespace
}  // namespace flipstone

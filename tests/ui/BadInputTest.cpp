// Clicks in the phases of the turn cycle the other tests leave out (a hint being worked out, the
// game over) and the whole window squeezed to one pixel and back.
#include "FrameTestFixture.h"

namespace flipstone {
namespace {

using testing::FrameTest;

class BadInputTest : public FrameTest {
protected:
    // Clicks the centre of every square; the number of clicks.
    int ClickEverySquare() {
        int clicks = 0;
        for (int column = 0; column < 8; ++column) {
            for (int row = 0; row < 8; ++row) {
                const QPoint point = View().InvalidationBox(Square{column, row}).center();
                QTest::mouseClick(&View(), Qt::LeftButton, {}, point);
                ++clicks;
            }
        }
        return clicks;
    }

    // Ticks until the computer has answered and the human is to move again.
    void TickUntilTheHumansTurn() {
        for (int tick = 0; tick < 5000; ++tick) {
            if (document.sideToMove == 0 && document.flipList.count == 0 &&
                document.thinking == 0) {
                return;
            }
            View().OnTimer();
        }
        ADD_FAILURE() << "the human never got the move back";
    }
};

TEST_F(BadInputTest, IllegalClicksWhileTheHintIsWorkedOutLeaveItRunning) {
    ShowFrame();
    Action(ID_LEVEL_1).trigger();
    Action(ID_GAME_HINT).trigger();
    View().OnTimer();
    ASSERT_EQ(document.hintState, 1);
    const Board before = document.board;
    QTest::mouseClick(&View(), Qt::LeftButton, {}, View().InvalidationBox(Square{0, 0}).center());
    QTest::mouseClick(&View(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(document.board == before);
    EXPECT_EQ(document.moveCount, 0);
    for (int slice = 0; slice < 100 && document.hintState == 1; ++slice) {
        View().OnTimer();
    }
    EXPECT_EQ(document.hintState, 2);
    EXPECT_TRUE(document.board.CanPlace(document.hintSquare.column, document.hintSquare.row,
                                        document.humanColour));
}

TEST_F(BadInputTest, LegalClickWhileTheHintIsWorkedOutPlaysAndDropsTheHint) {
    ShowFrame();
    Action(ID_LEVEL_1).trigger();
    Action(ID_GAME_HINT).trigger();
    View().OnTimer();
    View().OnTimer();
    ASSERT_EQ(document.hintState, 1);
    ASSERT_TRUE(ClickFirstMarkedSquare());
    EXPECT_EQ(document.moveCount, 1);
    EXPECT_EQ(document.hintState, 0);
    TickUntilTheHumansTurn();
    EXPECT_EQ(document.moveCount, 2);
    EXPECT_EQ(document.hintState, 0) << "the dropped hint does not come back on the new board";
    EXPECT_EQ(document.board.CountDiscs(), 6);
}

TEST_F(BadInputTest, ClicksAfterTheGameIsOverChangeNothing) {
    ShowFrame();
    // Black on every square but the last row, which is empty: neither side can move.
    for (int index = 0; index < 64; ++index) {
        document.board.squares[index] = index < 56 ? kBlack : kEmpty;
    }
    document.passCount = 3;
    ASSERT_TRUE(document.IsGameOver());
    const Board before = document.board;
    for (const int side : {0, 1}) {
        document.sideToMove = side;
        EXPECT_EQ(ClickEverySquare(), 64);
        EXPECT_TRUE(document.board == before);
        EXPECT_EQ(document.moveCount, 0);
        EXPECT_EQ(document.flipList.count, 0);
        EXPECT_TRUE(document.IsGameOver());
    }
}

TEST_F(BadInputTest, WindowSqueezedToOnePixelAndBackKeepsPlaying) {
    ShowFrame();
    Action(ID_LEVEL_1).trigger();
    const QSize original = frame.size();
    frame.setMinimumSize(0, 0);
    View().setMinimumSize(0, 0);
    frame.resize(1, 1);
    QCoreApplication::processEvents();
    frame.grab();
    EXPECT_EQ(ClickEverySquare(), 64);
    for (int tick = 0; tick < 50; ++tick) {
        View().OnTimer();
    }
    frame.resize(original);
    QCoreApplication::processEvents();
    frame.grab();
    EXPECT_GT(View().BoardSize(), 0);
    TickUntilTheHumansTurn();
    const int movesBefore = document.moveCount;
    ASSERT_TRUE(ClickFirstMarkedSquare()) << "the board takes clicks again";
    EXPECT_EQ(document.moveCount, movesBefore + 1);
    TickUntilTheHumansTurn();
    EXPECT_EQ(document.board.CountDiscs(), 4 + document.moveCount);
}

}  // namespace
}  // namespace flipstone

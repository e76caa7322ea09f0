#include "engine/Position.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Positions.h"

namespace flipstone {
namespace {

using testing::BoardFrom;

TEST(PositionTest, StartHasBlackToMoveWithFourSquaresAndRefusesAnIllegalMove) {
    Position position = Position::Start();
    EXPECT_EQ(position.ToMove(), kBlack);
    EXPECT_FALSE(position.IsOver());
    EXPECT_EQ(position.LegalSquares(), (std::vector<Square>{{3, 2}, {2, 3}, {5, 4}, {4, 5}}));
    EXPECT_FALSE(position.Play({0, 0}));
    EXPECT_FALSE(position.Play({3, 3})) << "an occupied square";
    EXPECT_FALSE(position.Play({-1, 9})) << "off the board";
    EXPECT_EQ(position, Position::Start());
    ASSERT_TRUE(position.Play({5, 4}));
    EXPECT_EQ(position.ToMove(), kWhite);
}

// Black a1 and a8, white b1 and b8: black plays c1, white has no move and black plays again,
// then c8 ends the game.
TEST(PositionTest, TheMoverMovesAgainWhenTheOtherCannotAndNobodyMovesAtTheEnd) {
    const Board board = BoardFrom("XO------" + std::string(48, '-') + "XO------");
    Position position = Position::FromBoard(board, kBlack);
    ASSERT_TRUE(position.Play({2, 0}));
    EXPECT_EQ(position.ToMove(), kBlack);
    ASSERT_TRUE(position.Play({2, 7}));
    EXPECT_TRUE(position.IsOver());
    EXPECT_EQ(position.ToMove(), kEmpty);
    EXPECT_TRUE(position.LegalSquares().empty());
    EXPECT_FALSE(position.CanPlay({3, 0}));
}

TEST(PositionTest, FromBoardHandsTheTurnToTheSideThatCanMove) {
    const Board corner = testing::CornerPairBoard();
    EXPECT_EQ(Position::FromBoard(corner, kWhite).ToMove(), kBlack) << "white has no move";
    EXPECT_EQ(Position::FromBoard(corner, kBlack).ToMove(), kBlack);
    Board full;
    full.Reset();
    for (auto& square : full.squares) {
        square = kBlack;
    }
    EXPECT_TRUE(Position::FromBoard(full, kWhite).IsOver());
}

}  // namespace
}  // namespace flipstone

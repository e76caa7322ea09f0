#include "engine/Board.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/Positions.h"

namespace flipstone {
namespace {

using testing::BoardFrom;

std::set<std::pair<int, int>> LegalSquares(const Board& board, std::uint8_t colour) {
    std::set<std::pair<int, int>> squares;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            if (board.CanPlace(column, row, colour)) {
                squares.insert({column, row});
            }
        }
    }
    return squares;
}

Board StartBoard() {
    Board board;
    board.Reset();
    return board;
}

TEST(BoardTest, StartPositionHasTwoDiscsEachAndFourMovesEach) {
    const Board board = StartBoard();
    EXPECT_EQ(board.CountBlack(), 2);
    EXPECT_EQ(board.CountWhite(), 2);
    EXPECT_EQ(board.CountDiscs(), 4);
    EXPECT_EQ(board.At(3, 3), kWhite);
    EXPECT_EQ(board.At(4, 4), kWhite);
    EXPECT_EQ(board.At(4, 3), kBlack);
    EXPECT_EQ(board.At(3, 4), kBlack);
    EXPECT_EQ(board.squares[3 * 8 + 4], kBlack) << "column-major: (3, 4) is element 28";
    EXPECT_EQ(LegalSquares(board, kBlack),
              (std::set<std::pair<int, int>>{{3, 2}, {2, 3}, {5, 4}, {4, 5}}));
    EXPECT_EQ(LegalSquares(board, kWhite),
              (std::set<std::pair<int, int>>{{4, 2}, {5, 3}, {2, 4}, {3, 5}}));
}

TEST(BoardTest, FirstMoveListsItsSquareThenTheTurnedDisc) {
    Board board = StartBoard();
    FlipList list;
    ASSERT_TRUE(board.CollectFlips(3, 2, kBlack, list));
    EXPECT_EQ(list.count, 1);
    EXPECT_EQ(list.columns[0], 3);
    EXPECT_EQ(list.rows[0], 2);
    EXPECT_EQ(list.columns[1], 3);
    EXPECT_EQ(list.rows[1], 3);
    EXPECT_EQ(board, StartBoard()) << "collecting changes nothing";

    ASSERT_TRUE(board.Place(3, 2, kBlack));
    EXPECT_EQ(board.At(3, 2), kBlack);
    EXPECT_EQ(board.At(3, 3), kBlack);
    EXPECT_EQ(board.At(4, 3), kBlack);
    EXPECT_EQ(board.At(3, 4), kBlack);
    EXPECT_EQ(board.At(4, 4), kWhite);
    EXPECT_EQ(board.CountDiscs(), 5);
}

TEST(BoardTest, TurnedDiscsComeDirectionByDirectionNearestFirst) {
    Board board;
    for (auto& square : board.squares) {
        square = kEmpty;
    }
    for (auto [c, r] : {std::pair{2, 2}, {3, 2}, {4, 3}, {5, 3}, {3, 4}}) {
        board.Set(c, r, kWhite);
    }
    for (auto [c, r] : {std::pair{1, 1}, {3, 1}, {6, 3}, {3, 5}}) {
        board.Set(c, r, kBlack);
    }
    FlipList list;
    ASSERT_TRUE(board.CollectFlips(3, 3, kBlack, list));
    ASSERT_EQ(list.count, 5);
    const int expected[5][2] = {{2, 2}, {3, 2}, {4, 3}, {5, 3}, {3, 4}};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(list.columns[k + 1], expected[k][0]) << "entry " << k + 1;
        EXPECT_EQ(list.rows[k + 1], expected[k][1]) << "entry " << k + 1;
    }
}

TEST(BoardTest, LinesEndingAtTheEdgeOrAnEmptySquareDoNotBracket) {
    const Board board = BoardFrom(
        "-OOOOOOO"  // white from b1 runs to the edge
        "O-------"
        "X-------"  // a1 brackets a2 downwards
        "--------"
        "--------"
        "--------"
        "--------"
        "-OOO-X--");  // white from b8 stops at an empty square
    Board played = board;
    ASSERT_TRUE(played.Place(0, 0, kBlack));
    EXPECT_EQ(played.At(0, 1), kBlack);
    for (int column = 1; column < 8; ++column) {
        EXPECT_EQ(played.At(column, 0), kWhite) << "column " << column;
    }
    EXPECT_FALSE(board.CanPlace(0, 7, kBlack));
    Board unchanged = board;
    EXPECT_FALSE(unchanged.Place(0, 7, kBlack));
    EXPECT_EQ(unchanged, board);
}

TEST(BoardTest, OccupiedAndOffBoardSquaresAreNeverLegal) {
    Board board = StartBoard();
    EXPECT_FALSE(board.CanPlace(3, 3, kBlack));
    EXPECT_FALSE(board.Place(3, 3, kBlack));
    for (auto [c, r] : {std::pair{-1, 0}, {0, -1}, {8, 0}, {0, 8}, {-1, -1}, {8, 8}}) {
        FlipList list;
        list.count = 7;
        EXPECT_FALSE(board.CanPlace(c, r, kBlack));
        EXPECT_FALSE(board.Place(c, r, kBlack));
        EXPECT_FALSE(board.CollectFlips(c, r, kBlack, list));
        EXPECT_EQ(list.count, 0);
    }
    EXPECT_EQ(board, StartBoard());
}

TEST(BoardTest, FailedCollectionKeepsEntryZero) {
    const Board board = StartBoard();
    FlipList list;
    list.columns[0] = -1;
    list.rows[0] = -1;
    EXPECT_FALSE(board.CollectFlips(0, 0, kBlack, list));
    EXPECT_EQ(list.columns[0], -1);
    EXPECT_EQ(list.rows[0], -1);
}

TEST(BoardTest, FullBoardAndOneColourGoneLeaveNoMoves) {
    const Board full = BoardFrom(std::string(32, 'X') + std::string(32, 'O'));
    EXPECT_FALSE(full.HasLegalMove(kBlack));
    EXPECT_FALSE(full.HasLegalMove(kWhite));
    EXPECT_EQ(full.CountDiscs(), 64);

    const Board onlyBlack = BoardFrom(std::string(20, 'X') + std::string(44, '-'));
    EXPECT_FALSE(onlyBlack.HasLegalMove(kBlack));
    EXPECT_FALSE(onlyBlack.HasLegalMove(kWhite));
}

TEST(BoardTest, OpponentSwapsColoursAndReadsTheLowByte) {
    EXPECT_EQ(Opponent(kBlack), kWhite);
    EXPECT_EQ(Opponent(kWhite), kBlack);
    EXPECT_EQ(Opponent(0), kBlack);
    EXPECT_EQ(Opponent(0x101), kWhite);
}

// On many positions from random games: Place turns exactly the discs CollectFlips lists, and
// a move is legal exactly when CollectFlips finds something on an empty square.
TEST(BoardTest, PlaceTurnsExactlyTheCollectedDiscs) {
    for (const auto& position : testing::RandomPositions(7, 300, 0, 59)) {
        for (std::uint8_t colour : {kBlack, kWhite}) {
            for (int column = 0; column < 8; ++column) {
                for (int row = 0; row < 8; ++row) {
                    const Board& before = position.board;
                    FlipList list;
                    const bool collected = before.CollectFlips(column, row, colour, list);
                    const bool legal = before.CanPlace(column, row, colour);
                    if (before.At(column, row) != kEmpty) {
                        EXPECT_FALSE(legal);
                        continue;
                    }
                    ASSERT_EQ(collected, legal);
                    Board after = before;
                    ASSERT_EQ(after.Place(column, row, colour), legal);
                    if (!legal) {
                        EXPECT_EQ(after, before);
                        continue;
                    }
                    Board expected = before;
                    for (int k = 0; k <= list.count; ++k) {
                        expected.Set(list.columns[k], list.rows[k], colour);
                    }
                    EXPECT_EQ(after, expected);
                    EXPECT_EQ(after.CountDiscs(), before.CountDiscs() + 1);
                }
            }
        }
    }
}

}  // namespace
}  // namespace flipstone

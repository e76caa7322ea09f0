#include "engine/FastSearch.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Positions.h"

namespace flipstone {
namespace {

using testing::BoardFrom;

// The evaluation the game uses, seen from one computer colour.
class Scorer {
public:
    Scorer(std::uint8_t computer, std::uint8_t human) : computer_(computer), human_(human) {}

    std::int32_t Evaluate(const Board& board, std::int64_t& leaves) const {
        static const FastSearch search;
        return search.Evaluate(board, computer_, leaves);
    }
    std::uint8_t ComputerColour() const { return computer_; }
    std::uint8_t HumanColour() const { return human_; }

private:
    std::uint8_t computer_;
    std::uint8_t human_;
};

int Mobility(const Board& board, std::uint8_t colour) {
    int count = 0;
    for (int i = 0; i < 64; ++i) {
        count += board.CanPlace(i / 8, i % 8, colour) ? 1 : 0;
    }
    return count;
}

// The value without the mobility part: what the corner regions add.
int CornerPart(const Scorer& evaluator, const Board& board) {
    std::int64_t leaves = 0;
    return evaluator.Evaluate(board, leaves) - Mobility(board, evaluator.ComputerColour()) +
           Mobility(board, evaluator.HumanColour());
}

// A board with the centre start discs, so both sides can move, plus the given extra discs.
Board CentreBoardWith(std::initializer_list<std::tuple<int, int, std::uint8_t>> discs) {
    Board board;
    board.Reset();
    for (auto [column, row, code] : discs) {
        board.Set(column, row, code);
    }
    return board;
}

TEST(EvaluationTest, StartPositionScoresZeroAndCountsOneLeaf) {
    Board board;
    board.Reset();
    for (std::uint8_t computer : {kBlack, kWhite}) {
        const Scorer evaluator(computer, Opponent(computer));
        std::int64_t leaves = 5;
        EXPECT_EQ(evaluator.Evaluate(board, leaves), 0);
        EXPECT_EQ(leaves, 6);
    }
}

TEST(EvaluationTest, FinishedGamesScoreByDiscCount) {
    const Scorer computerBlack(kBlack, kWhite);
    const Scorer computerWhite(kWhite, kBlack);
    std::int64_t leaves = 0;
    const Board even = BoardFrom(std::string(32, 'X') + std::string(32, 'O'));
    EXPECT_EQ(computerBlack.Evaluate(even, leaves), -1000) << "a draw scores as a loss";
    EXPECT_EQ(computerWhite.Evaluate(even, leaves), -1000);

    const Board blackAhead = BoardFrom(std::string(33, 'X') + std::string(31, 'O'));
    EXPECT_EQ(computerBlack.Evaluate(blackAhead, leaves), 1002);
    EXPECT_EQ(computerWhite.Evaluate(blackAhead, leaves), -1002);

    const Board onlyBlack = BoardFrom(std::string(10, 'X') + std::string(54, '-'));
    EXPECT_EQ(computerBlack.Evaluate(onlyBlack, leaves), 1100) << "human wiped out";
    EXPECT_EQ(computerWhite.Evaluate(onlyBlack, leaves), -1100) << "computer wiped out";
    EXPECT_EQ(leaves, 6) << "final positions count as leaves too";
}

TEST(EvaluationTest, BlockedPositionWithEmptySquaresIsFinal) {
    // Black and white separated by an empty column: nobody can bracket anything.
    const Board blocked = BoardFrom(
        "XXX-OO--"
        "XXX-OO--"
        "--------"
        "--------"
        "--------"
        "--------"
        "--------"
        "--------");
    ASSERT_FALSE(blocked.HasLegalMove(kBlack));
    ASSERT_FALSE(blocked.HasLegalMove(kWhite));
    std::int64_t leaves = 0;
    EXPECT_EQ(Scorer(kBlack, kWhite).Evaluate(blocked, leaves), 1002);
    EXPECT_EQ(Scorer(kWhite, kBlack).Evaluate(blocked, leaves), -1002);
}

TEST(EvaluationTest, OnlyOneSideMovingIsScoredByMobilityAndCorners) {
    // Black can take a3 (bracketing a2 against the corner); white cannot move at all.
    const Board board = testing::CornerPairBoard();
    ASSERT_EQ(Mobility(board, kBlack), 1);
    ASSERT_EQ(Mobility(board, kWhite), 0);
    std::int64_t leaves = 0;
    // The corner hides the white disc next to it.
    EXPECT_EQ(Scorer(kBlack, kWhite).Evaluate(board, leaves), 1 + 32);
    EXPECT_EQ(Scorer(kWhite, kBlack).Evaluate(board, leaves), -1 - 32);
}

TEST(EvaluationTest, CornerRegionsWeighCornersAndTheirNeighbours) {
    const Scorer evaluator(kWhite, kBlack);
    // Computer on a corner and its diagonal neighbour: the corner hides the neighbour.
    EXPECT_EQ(CornerPart(evaluator, CentreBoardWith({{0, 0, kWhite}, {1, 1, kWhite}})), 32);
    EXPECT_EQ(CornerPart(evaluator, CentreBoardWith({{7, 7, kBlack}, {6, 6, kWhite}})), -32);
    // Empty corner with all three neighbours held by one side.
    EXPECT_EQ(
        CornerPart(evaluator, CentreBoardWith({{6, 0, kBlack}, {6, 1, kBlack}, {7, 1, kBlack}})),
        48);
    EXPECT_EQ(
        CornerPart(evaluator, CentreBoardWith({{0, 6, kWhite}, {1, 6, kWhite}, {1, 7, kWhite}})),
        -48);
    // Each corner region on its own squares: (7,0) with (6,1); (0,7) with (0,6); (7,7) with (7,6).
    EXPECT_EQ(CornerPart(evaluator, CentreBoardWith({{6, 1, kWhite}})), -16);
    EXPECT_EQ(CornerPart(evaluator, CentreBoardWith({{0, 6, kBlack}})), 16);
    EXPECT_EQ(CornerPart(evaluator, CentreBoardWith({{7, 6, kWhite}})), -16);
    EXPECT_EQ(CornerPart(evaluator, CentreBoardWith({{1, 0, kBlack}})), 16);
    // Squares outside the corner regions weigh nothing.
    EXPECT_EQ(CornerPart(evaluator, CentreBoardWith({{2, 0, kWhite}, {2, 2, kBlack}})), 0);
    // The worked example: computer on (0, 0), human on (6, 6) next to the empty (7, 7).
    EXPECT_EQ(CornerPart(evaluator, CentreBoardWith({{0, 0, kWhite}, {6, 6, kBlack}})), 48);
}

}  // namespace
}  // namespace flipstone

#include "engine/strong/EndgameSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "engine/strong/StrongSearch.h"
#include "support/PlainSolve.h"
#include "support/Positions.h"

namespace flipstone::strong {
namespace {

using testing::PlainSolve;

constexpr int kTableBits = 12;
constexpr int kEmpties = 9;

TEST(EndgameSolverTest, ValuesAndBoundsAgreeWithFullMinimax) {
    // Windows: whole, who wins, and narrow ones on each side of the value.
    const int windows[][2] = {{-65, 65}, {-1, 1}, {-65, -20}, {20, 65}, {3, 4}};
    for (const auto& [board, toMove] : testing::RandomPositions(24, 12, kEmpties, kEmpties)) {
        if (!board.HasLegalMove(toMove)) {
            continue;
        }
        const int exact = PlainSolve(board, toMove);
        const BitBoard bits = BitBoard::FromBoard(board);
        SearchClock clock;
        clock.Start(std::chrono::hours(1));
        EndgameSolver solver(clock, kTableBits);
        for (const auto& [alpha, beta] : windows) {
            int bit = -1;
            const int value = solver.SolveRoot(bits.Discs(toMove), bits.Discs(Opponent(toMove)),
                                               alpha, beta, bit);
            const bool inside = value > alpha && value < beta;
            EXPECT_TRUE(inside ? value == exact
                               : (value <= alpha ? exact <= value : exact >= value))
                << BoardText::Format(board) << " window " << alpha << "," << beta << ": " << value
                << " vs " << exact;
        }
        StrongSearch search(kTableBits);
        const ThinkResult result = search.Think(bits.Discs(toMove), bits.Discs(Opponent(toMove)),
                                                std::chrono::seconds(10));
        Board played = board;
        ASSERT_TRUE(
            played.Place(BitBoard::ColumnOf(result.bit), BitBoard::RowOf(result.bit), toMove));
        EXPECT_EQ(-PlainSolve(played, Opponent(toMove)), exact) << BoardText::Format(board);
    }
}

}  // namespace
}  // namespace flipstone::strong

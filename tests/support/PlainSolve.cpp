#include "support/PlainSolve.h"

#include <algorithm>
#include <vector>

namespace flipstone::testing {

namespace {

int Solve(const Board& board, std::uint8_t side, bool passed) {
    const std::vector<Square> moves = board.LegalSquares(side);
    if (moves.empty()) {
        return passed ? board.FinalDifference(side) : -Solve(board, Opponent(side), true);
    }
    int best = -100;
    for (const Square move : moves) {
        Board child = board;
        child.Place(move.column, move.row, side);
        best = std::max(best, -Solve(child, Opponent(side), false));
    }
    return best;
}

}  // namespace

int PlainSolve(const Board& board, std::uint8_t side) {
    return Solve(board, side, false);
}

}  // namespace flipstone::testing

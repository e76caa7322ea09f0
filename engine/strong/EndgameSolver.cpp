#include "engine/strong/EndgameSolver.h"

#include <algorithm>

#include "engine/strong/MoveOrdering.h"
#include "engine/strong/StrongEvaluation.h"
#include "engine/strong/StrongMoves.h"

namespace flipstone::strong {

namespace {

// At or below this many empty squares, moves are tried in plain order without the table.
constexpr int kFewEmpties = 6;
constexpr int kBelowAll = -100;

// The squares of the quadrants with an odd number of empty squares: playing there first tends to
// leave the opponent the moves that give the last move away.
Bits OddQuadrants(Bits empty) {
    constexpr Bits kQuadrants[4] = {0x000000000F0F0F0Full, 0x00000000F0F0F0F0ull,
                                    0x0F0F0F0F00000000ull, 0xF0F0F0F000000000ull};
    Bits odd = 0;
    for (const Bits quadrant : kQuadrants) {
        if (Count(empty & quadrant) % 2 == 1) {
            odd |= quadrant;
        }
    }
    return odd;
}

}  // namespace

EndgameSolver::EndgameSolver(SearchClock& clock, int tableBits)
    : clock_(clock), table_(tableBits) {}

int EndgameSolver::SolveChild(Bits mover, Bits other, int bit, Bits flips, int alpha, int beta) {
    return -Solve(other & ~flips, mover | flips | (Bits{1} << bit), -beta, -alpha, false);
}

int EndgameSolver::SolveRoot(Bits mover, Bits other, int alpha, int beta, int& bestBit) {
    OrderedMove list[kMaxMoves];
    const int count = OrderMoves(mover, other, LegalMoves(mover, other), bestBit, list);
    return SolveList(mover, other, list, count, alpha, beta, bestBit);
}

int EndgameSolver::SolveList(Bits mover, Bits other, const OrderedMove* list, int count, int alpha,
                             int beta, int& bestBit) {
    int best = kBelowAll;
    for (int i = 0; i < count; ++i) {
        const int low = std::max(alpha, best);
        const OrderedMove& move = list[i];
        // The first move gets the whole window; the others are first shown not to beat it.
        const bool scout = i > 0;
        int value = SolveChild(mover, other, move.bit, move.flips, low, scout ? low + 1 : beta);
        if (scout && value > low && value < beta) {
            value = SolveChild(mover, other, move.bit, move.flips, low, beta);
        }
        if (value > best) {
            best = value;
            bestBit = move.bit;
        }
        if (best >= beta) {
            break;
        }
    }
    return best;
}

int EndgameSolver::Solve(Bits mover, Bits other, int alpha, int beta, bool passed) {
    clock_.Tick();
    const Bits moves = LegalMoves(mover, other);
    if (moves == 0) {
        return passed ? StrongEvaluation::DiscDifference(mover, other)
                      : -Solve(other, mover, -beta, -alpha, true);
    }
    if (64 - Count(mover | other) <= kFewEmpties) {
        return SolveFewEmpties(mover, other, moves, alpha, beta);
    }
    return SolveOrdered(mover, other, moves, alpha, beta);
}

int EndgameSolver::SolveFewEmpties(Bits mover, Bits other, Bits moves, int alpha, int beta) {
    int best = kBelowAll;
    const Bits odd = OddQuadrants(~(mover | other));
    for (const Bits group : {moves & odd, moves & ~odd}) {
        for (Bits rest = group; rest != 0; rest &= rest - 1) {
            const int bit = std::countr_zero(rest);
            const int value = SolveChild(mover, other, bit, Flips(bit, mover, other),
                                         std::max(alpha, best), beta);
            best = std::max(best, value);
            if (best >= beta) {
                return best;
            }
        }
    }
    return best;
}

int EndgameSolver::SolveOrdered(Bits mover, Bits other, Bits moves, int alpha, int beta) {
    const int empties = 64 - Count(mover | other);
    int tableMove = -1;
    if (const TableEntry* entry = table_.Find(mover, other)) {
        if (entry->lower >= beta || entry->lower == entry->upper) {
            return entry->lower;
        }
        if (entry->upper <= alpha) {
            return entry->upper;
        }
        alpha = std::max(alpha, entry->lower);
        beta = std::min(beta, entry->upper);
        tableMove = entry->move;
    }
    OrderedMove list[kMaxMoves];
    const int count = OrderMoves(mover, other, moves, tableMove, list);
    int bestBit = -1;
    const int best = SolveList(mover, other, list, count, alpha, beta, bestBit);
    table_.Store(
        TableEntry::FromWindow(mover, other, best, alpha, beta, -kBelowAll, empties, bestBit));
    return best;
}

}  // namespace flipstone::strong

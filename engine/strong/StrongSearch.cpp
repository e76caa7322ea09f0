#include "engine/strong/StrongSearch.h"

#include <algorithm>

#include "engine/strong/MoveOrdering.h"
#include "engine/strong/StrongEvaluation.h"
#include "engine/strong/StrongMoves.h"

namespace flipstone::strong {

namespace {

constexpr int kInfinity = StrongEvaluation::kWin + 100;
// Each deeper search takes a few times as long as the one before: none starts past this share
// of the budget.
constexpr double kDeepenShare = 0.45;
// Near the end, the share the deepening search may use before the solver takes over.
constexpr double kShareBeforeSolving = 0.1;
// From this depth on, moves are sorted by the opponent's replies before they are searched.
constexpr int kOrderedDepth = 3;
// The solver's window when it asks only who wins: a value inside it is a draw.
constexpr int kDrawWindow = 1;
constexpr int kWholeBoard = 65;

}  // namespace

StrongSearch::StrongSearch(int tableBits) : table_(tableBits), solver_(clock_, tableBits) {}

ThinkResult StrongSearch::Think(Bits mover, Bits other, std::chrono::duration<double> budget) {
    clock_.Start(budget);
    ThinkResult result;
    const Bits moves = LegalMoves(mover, other);
    if (moves == 0) {
        return result;
    }
    result.bit = std::countr_zero(moves);
    if (Count(moves) > 1) {
        const int empties = 64 - Count(mover | other);
        Deepen(mover, other, empties, result);
        if (empties <= kSolveEmpties) {
            SolveEnd(mover, other, result);
        }
    }
    result.nodes = clock_.Nodes();
    return result;
}

void StrongSearch::Deepen(Bits mover, Bits other, int empties, ThinkResult& result) {
    const double share = empties <= kSolveEmpties ? kShareBeforeSolving : kDeepenShare;
    for (int depth = 1; depth <= empties; ++depth) {
        // A search cut short still names its best move once one has beaten the last best.
        int bestBit = result.bit;
        try {
            result.value = SearchRoot(mover, other, depth, bestBit);
        } catch (const OutOfTime&) {
            result.bit = bestBit;
            return;
        }
        result.bit = bestBit;
        result.depth = depth;
        if (clock_.UsedShare() > share) {
            return;
        }
    }
}

void StrongSearch::SolveEnd(Bits mover, Bits other, ThinkResult& result) {
    try {
        int bit = result.bit;
        if (solver_.SolveRoot(mover, other, -kDrawWindow, kDrawWindow, bit) >= 0) {
            result.bit = bit;  // it wins, or draws where nothing wins
        }
        result.value = solver_.SolveRoot(mover, other, -kWholeBoard, kWholeBoard, bit);
        result.bit = bit;
        result.solved = true;
        result.depth = 64 - Count(mover | other);
    } catch (const OutOfTime&) {
    }
}

int StrongSearch::SearchRoot(Bits mover, Bits other, int depth, int& bestBit) {
    OrderedMove list[kMaxMoves];
    const int count = OrderMoves(mover, other, LegalMoves(mover, other), bestBit, list);
    return SearchList(mover, other, list, count, depth, -kInfinity, kInfinity, bestBit);
}

int StrongSearch::Search(Bits mover, Bits other, int depth, int alpha, int beta, bool passed) {
    clock_.Tick();
    if (depth == 0) {
        return StrongEvaluation::Evaluate(mover, other);
    }
    const Bits moves = LegalMoves(mover, other);
    if (moves == 0) {
        return passed ? StrongEvaluation::FinalValue(mover, other)
                      : -Search(other, mover, depth, -beta, -alpha, true);
    }
    int tableMove = -1;
    if (const TableEntry* entry = table_.Find(mover, other)) {
        tableMove = entry->move;
        if (entry->depth >= depth) {
            if (entry->lower >= beta || entry->lower == entry->upper) {
                return entry->lower;
            }
            if (entry->upper <= alpha) {
                return entry->upper;
            }
            alpha = std::max(alpha, entry->lower);
            beta = std::min(beta, entry->upper);
        }
    }
    OrderedMove list[kMaxMoves];
    const int count = depth >= kOrderedDepth ? OrderMoves(mover, other, moves, tableMove, list)
                                             : ListMoves(mover, other, moves, tableMove, list);
    int bestBit = -1;
    const int best = SearchList(mover, other, list, count, depth, alpha, beta, bestBit);
    table_.Store(
        TableEntry::FromWindow(mover, other, best, alpha, beta, kInfinity, depth, bestBit));
    return best;
}

int StrongSearch::SearchList(Bits mover, Bits other, const OrderedMove* list, int count, int depth,
                             int alpha, int beta, int& bestBit) {
    int best = -kInfinity;
    for (int i = 0; i < count; ++i) {
        const int low = std::max(alpha, best);
        const Bits childMover = other & ~list[i].flips;
        const Bits childOther = mover | list[i].flips | (Bits{1} << list[i].bit);
        // The first move gets the whole window; the others are first shown not to beat it.
        const bool scout = i > 0;
        int value =
            -Search(childMover, childOther, depth - 1, scout ? -low - 1 : -beta, -low, false);
        if (scout && value > low && value < beta) {
            value = -Search(childMover, childOther, depth - 1, -beta, -low, false);
        }
        if (value > best) {
            best = value;
            bestBit = list[i].bit;
        }
        if (best >= beta) {
            break;
        }
    }
    return best;
}

}  // namespace flipstone::strong

#pragma once

// The strongest player's search: one null-window node and one principal-variation node for both
// the depth-limited search and the exact endgame solver. A node searched as deep as its empty
// squares or deeper is solved: its value is then the exact final disc difference. Both kinds
// share the table lookup, the move ordering and the move loop; they differ at their leaves
// (the evaluation, or the endgame's own code for the last few empty squares), in the stability
// cut-off that only exact values allow, and in how the moves are ordered near the end.

#include <cstdint>

#include "engine/strong/CoreBoard.h"
#include "engine/strong/CoreContext.h"
#include "engine/strong/CoreEndgame.h"
#include "engine/strong/CoreEvaluation.h"
#include "engine/strong/CoreTable.h"

namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

// Solving nodes with fewer empty squares than this order their moves by the opponent's replies
// alone; from it on, by a shallow search's value too.
constexpr int kSortBySearchEmpties = 14;
// How much a reply left to the opponent counts against a move ordered by a shallow search, in
// 1/16 discs: in a solve, and in the searches that order a solve's moves, a reply costs four
// discs of the shallow value; in the depth-limited search half a disc.
constexpr int kSolvingReplyWeight = 64;
constexpr int kReplyWeight = 8;
// Enhanced transposition cut-off: from this depth on, a node looks its children up in the table
// before searching any of them.
constexpr int kEtcDepth = 12;
// Solving nodes with fewer empty squares than this neither look in the table nor store in it: at
// their pace a lookup in memory that the caches lack costs more than it saves.
constexpr int kTableEmpties = 10;
// The first move: the table's best move goes before all others.
constexpr int kFirstKey = 1 << 30;
// How far a selective search trusts a shallow one: t of Multi-ProbCut by selectivity, x 16.
constexpr int kConfidence16[kExact] = {18, 24, 32, 42, 53};

struct MoveEntry {
    U64 flips;
    int square;
    int key;
};

int Nws(Context& context, U64 mover, U64 other, int alpha, int depth);
int Pvs(Context& context, U64 mover, U64 other, int alpha, int beta, int depth);

inline int Leaf(Context& context, U64 mover, U64 other) {
    ++context.nodes;
    return Evaluate(context.shared->weights, mover, other);
}

// A node one ply above the leaves: the best evaluated child, stopping at the first above alpha.
int NwsFrontier(Context& context, U64 mover, U64 other, int alpha) {
    ++context.nodes;
    const U64 moves = LegalMoves(mover, other);
    if (moves == 0) {
        if (LegalMoves(other, mover) == 0) {
            return FinalScore(mover, other);
        }
        return -NwsFrontier(context, other, mover, -alpha - 1);
    }
    int best = kBelowAll;
    const U64 groups[2] = {moves & kCorners, moves & ~kCorners};
    for (const U64 group : groups) {
        for (U64 rest = group; rest != 0; rest &= rest - 1) {
            const int square = LowestBit(rest);
            const U64 flips = Flips(square, mover, other);
            const int value = -Leaf(context, other ^ flips, mover | flips | Bit(square));
            if (value > best) {
                best = value;
                if (value > alpha) {
                    return value;
                }
            }
        }
    }
    return best;
}

// The depth of the shallow search that orders a node's moves.
inline int SortDepth(int depth, bool solving) {
    if (solving) {
        return depth >= 28 ? 3 : depth >= 24 ? 2 : depth >= 21 ? 1 : 0;
    }
    return depth >= 12 ? 3 : depth >= 8 ? 2 : depth >= 5 ? 1 : 0;
}

// The opponent's replies, corners counted twice: fewer first.
inline int ReplyWeight(U64 childMover, U64 childOther) {
    const U64 replies = LegalMoves(childMover, childOther);
    return Count(replies) + Count(replies & kCorners);
}

// The empty squares next to the discs of the side that just moved: where its opponent might move
// later.
inline int PotentialReplies(U64 childMover, U64 childOther) {
    return Count(Neighbours(childOther) & ~(childMover | childOther));
}

// Lists the moves with the key that orders them (higher first): the table's move, then the ones
// that leave the opponent few replies and, away from the last empty squares, a good shallow
// search value; near the end, a move into an odd region or a corner goes a little earlier. Sets
// `cut` when a child's table entry already proves the node above alpha.
int OrderMoves(Context& context, U64 mover, U64 other, U64 moves, int tableMove, int alpha,
               int depth, bool solving, MoveEntry* list, int& cut) {
    const bool bySearch = !solving || depth >= kSortBySearchEmpties;
    const int sortDepth = SortDepth(depth, solving);
    const bool lookAhead = depth >= kEtcDepth;
    const U64 odd = solving ? OddQuadrants(~(mover | other)) : 0;
    int count = 0;
    for (U64 rest = moves; rest != 0; rest &= rest - 1) {
        const int square = LowestBit(rest);
        const U64 flips = Flips(square, mover, other);
        const U64 childMover = other ^ flips;
        const U64 childOther = mover | flips | Bit(square);
        MoveEntry& entry = list[count++];
        entry.flips = flips;
        entry.square = square;
        if (lookAhead) {
            TableHit hit;
            const TableKey key =
                KeyOf(context.shared->buckets, context.shared->bucketMask, childMover, childOther);
            if (Probe(key, hit) && hit.depth >= depth - 1 &&
                hit.selectivity >= context.selectivity && -hit.upper > alpha) {
                cut = -hit.upper;
                return count;
            }
        }
        if (square == tableMove) {
            entry.key = kFirstKey;
            continue;
        }
        const int replies = ReplyWeight(childMover, childOther);
        if (!bySearch) {
            entry.key = -16 * replies + ((Bit(square) & odd) != 0 ? 4 : 0) +
                        ((Bit(square) & kCorners) != 0 ? 8 : 0) -
                        4 * PotentialReplies(childMover, childOther);
            continue;
        }
        const int value =
            sortDepth == 0 ? -Leaf(context, childMover, childOther)
                           : -Pvs(context, childMover, childOther, kBelowAll, kAboveAll, sortDepth);
        entry.key = 16 * value - (context.solving ? kSolvingReplyWeight : kReplyWeight) * replies;
    }
    return count;
}

// Brings the best remaining move to place `i`.
inline void PickBest(MoveEntry* list, int i, int count) {
    int best = i;
    for (int j = i + 1; j < count; ++j) {
        if (list[j].key > list[best].key) {
            best = j;
        }
    }
    if (best != i) {
        const MoveEntry swap = list[i];
        list[i] = list[best];
        list[best] = swap;
    }
}

inline int CostOf(std::int64_t nodes) {
    return nodes <= 1 ? 0 : 64 - __builtin_clzll(static_cast<std::uint64_t>(nodes));
}

// Multi-ProbCut: when a shallow search says, with the selectivity's confidence, that this node
// fails high (or low), it is cut with that bound in `value`.
bool ProbCut(Context& context, U64 mover, U64 other, int alpha, int depth, int empties,
             bool solving, int& value) {
    const ProbCutTable* table = context.shared->probCut;
    if (context.selectivity >= kExact || table == nullptr) {
        return false;
    }
    int sigma = 0;
    int shallow = 0;
    if (solving) {
        sigma = table->endSigma[empties];
        shallow = ProbCutTable::kEndShallowDepth;
    } else if (depth >= ProbCutTable::kMinDepth && depth <= ProbCutTable::kMaxDepth) {
        sigma = table->sigma[empties][depth];
        shallow = ProbCutTable::kShallowDepth[depth];
    }
    if (sigma == 0) {
        return false;
    }
    const int scale = 16 * ProbCutTable::kScale;
    const int margin = (kConfidence16[context.selectivity] * sigma + scale - 1) / scale;
    const int high = alpha + 1 + margin;
    if (high <= kMaxScore && Nws(context, mover, other, high - 1, shallow) >= high) {
        value = alpha + 1;
        return true;
    }
    const int low = alpha - margin;
    if (low >= -kMaxScore && Nws(context, mover, other, low, shallow) <= low) {
        value = alpha;
        return true;
    }
    return false;
}

// Whether the value of the position, searched `depth` plies deep, exceeds alpha: a value above
// alpha is a lower bound, one at or below it an upper bound.
int Nws(Context& context, U64 mover, U64 other, int alpha, int depth) {
    const int empties = 64 - Count(mover | other);
    if (depth >= empties) {
        if (empties <= kShallowEmpties) {
            return SolveSmall(context, mover, other, alpha, empties);
        }
        depth = empties;
    } else if (depth <= 1) {
        return depth <= 0 ? Leaf(context, mover, other) : NwsFrontier(context, mover, other, alpha);
    }
    ++context.nodes;
    if (Stopping(context)) {
        return 0;
    }
    const bool solving = depth == empties;
    const U64 moves = LegalMoves(mover, other);
    if (moves == 0) {
        if (LegalMoves(other, mover) == 0) {
            return FinalScore(mover, other);
        }
        return -Nws(context, other, mover, -alpha - 1, depth);
    }
    if (solving) {
        const int most = StabilityCut(context, mover, other, alpha);
        if (most != kAboveAll) {
            return most;
        }
    }
    const bool tabled = !solving || depth >= kTableEmpties;
    const TableKey key = KeyOf(context.shared->buckets, context.shared->bucketMask, mover, other);
    TableHit hit;
    int tableMove = kNoMove;
    if (tabled && Probe(key, hit)) {
        tableMove = hit.move;
        if (hit.depth >= depth && hit.selectivity >= context.selectivity) {
            if (hit.lower > alpha) {
                return hit.lower;
            }
            if (hit.upper <= alpha) {
                return hit.upper;
            }
        }
    }
    int value = 0;
    if (ProbCut(context, mover, other, alpha, depth, empties, solving, value)) {
        return value;
    }
    const std::int64_t nodesBefore = context.nodes;
    int best = kBelowAll;
    int bestMove = kNoMove;
    U64 rest = moves;
    // Below the look-ahead depth the table's move goes first, before the others are ordered: it
    // often settles the node alone.
    if (tableMove != kNoMove && (moves & Bit(tableMove)) != 0 && depth < kEtcDepth) {
        const U64 flips = Flips(tableMove, mover, other);
        best = -Nws(context, other ^ flips, mover | flips | Bit(tableMove), -alpha - 1, depth - 1);
        if (context.stopped) {
            return 0;
        }
        bestMove = tableMove;
        rest &= ~Bit(tableMove);
        if (best > alpha) {
            rest = 0;
        }
    }
    MoveEntry list[kMaxMoves];
    int cut = kBelowAll;
    const int count = rest == 0 ? 0
                                : OrderMoves(context, mover, other, rest, tableMove, alpha, depth,
                                             solving, list, cut);
    if (cut != kBelowAll) {
        return cut;
    }
    for (int i = 0; i < count; ++i) {
        PickBest(list, i, count);
        const MoveEntry& move = list[i];
        value = -Nws(context, other ^ move.flips, mover | move.flips | Bit(move.square), -alpha - 1,
                     depth - 1);
        if (context.stopped) {
            return 0;
        }
        if (value > best) {
            best = value;
            bestMove = move.square;
            if (value > alpha) {
                break;
            }
        }
    }
    if (tabled) {
        Store(key, context.shared->date,
              {best > alpha ? best : -kMaxScore, best > alpha ? kMaxScore : best, depth,
               context.selectivity, best > alpha ? bestMove : kNoMove,
               CostOf(context.nodes - nodesBefore)});
    }
    return best;
}

// The value of the position within (alpha, beta), searched `depth` plies deep: a value at or
// below alpha is an upper bound, one at or above beta a lower bound.
int Pvs(Context& context, U64 mover, U64 other, int alpha, int beta, int depth) {
    const int empties = 64 - Count(mover | other);
    if (depth >= empties) {
        depth = empties;
    }
    if (depth <= 0 || empties == 0) {
        return Leaf(context, mover, other);
    }
    ++context.nodes;
    if (Stopping(context)) {
        return 0;
    }
    const bool solving = depth == empties;
    const U64 moves = LegalMoves(mover, other);
    if (moves == 0) {
        if (LegalMoves(other, mover) == 0) {
            return FinalScore(mover, other);
        }
        return -Pvs(context, other, mover, -beta, -alpha, depth);
    }
    const TableKey key = KeyOf(context.shared->buckets, context.shared->bucketMask, mover, other);
    TableHit hit;
    int tableMove = kNoMove;
    if (Probe(key, hit)) {
        tableMove = hit.move;
        if (hit.depth >= depth && hit.selectivity >= context.selectivity) {
            if (hit.lower == hit.upper || hit.lower >= beta) {
                return hit.lower;
            }
            if (hit.upper <= alpha) {
                return hit.upper;
            }
        }
    }
    const std::int64_t nodesBefore = context.nodes;
    MoveEntry list[kMaxMoves];
    int cut = kBelowAll;
    const int count =
        OrderMoves(context, mover, other, moves, tableMove, kAboveAll, depth, solving, list, cut);
    int best = kBelowAll;
    int bestMove = kNoMove;
    for (int i = 0; i < count; ++i) {
        PickBest(list, i, count);
        const MoveEntry& move = list[i];
        const U64 childMover = other ^ move.flips;
        const U64 childOther = mover | move.flips | Bit(move.square);
        const int low = best > alpha ? best : alpha;
        int value = 0;
        if (i == 0) {
            value = -Pvs(context, childMover, childOther, -beta, -low, depth - 1);
        } else {
            value = -Nws(context, childMover, childOther, -low - 1, depth - 1);
            if (!context.stopped && value > low && value < beta) {
                value = -Pvs(context, childMover, childOther, -beta, -low, depth - 1);
            }
        }
        if (context.stopped) {
            return 0;
        }
        if (value > best) {
            best = value;
            bestMove = move.square;
            if (value >= beta) {
                break;
            }
        }
    }
    Store(key, context.shared->date,
          {best > alpha ? best : -kMaxScore, best < beta ? best : kMaxScore, depth,
           context.selectivity, bestMove, CostOf(context.nodes - nodesBefore)});
    return best;
}

// The root: its moves in the request's order, the first with the whole window and the others
// first shown not to beat it. Each move's value (a bound when it did not beat the best) goes
// back into the request's list for the next search to order by.
RootReply SearchRoot(const SearchShared& shared, const RootRequest& request) {
    const int empties = 64 - Count(request.mover | request.other);
    Context context{&shared, request.selectivity, 0, 0, false, request.depth >= empties};
    RootReply reply;
    int best = kBelowAll;
    const int alpha = request.alpha;
    const int beta = request.beta;
    for (int i = 0; i < request.count; ++i) {
        RootMove& move = request.moves[i];
        const U64 flips = Flips(move.bit, request.mover, request.other);
        const U64 childMover = request.other ^ flips;
        const U64 childOther = request.mover | flips | Bit(move.bit);
        if (request.publishes) {
            PublishRoot(context, move.bit, best > kBelowAll ? best : move.value);
        }
        const int low = best > alpha ? best : alpha;
        int value = 0;
        if (i == 0) {
            value = -Pvs(context, childMover, childOther, -beta, -low, request.depth - 1);
        } else {
            value = -Nws(context, childMover, childOther, -low - 1, request.depth - 1);
            if (!context.stopped && value > low && value < beta) {
                value = -Pvs(context, childMover, childOther, -beta, -low, request.depth - 1);
            }
        }
        if (context.stopped) {
            break;
        }
        move.value = value;
        reply.anyMove = true;
        if (value > best) {
            best = value;
            reply.bit = move.bit;
            if (value >= beta) {
                break;
            }
        }
    }
    if (request.publishes && reply.bit >= 0) {
        PublishRoot(context, -1, best);
    }
    PublishNodes(context);
    reply.value = best;
    reply.stopped = context.stopped;
    return reply;
}

}  // namespace
}  // namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE

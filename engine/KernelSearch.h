#pragma once

// The search kernel's nodes. Results are those of the direct, unoptimised search exactly: the
// same value and the same leaf count for every position, side, depth and bound. What changes is
// the work done to get them:
// - a node keeps its children, their legal moves and their static values in its own frame, so a
//   child searched next starts from what its parent already knows, and nothing is allocated;
// - a node one ply above the leaves does not search its children again at depth 0: that would
//   only evaluate the same boards a second time. Its value and leaf count follow from the values
//   it computed to order the moves, and when its parent will discard the value anyway (a cut-off)
//   it stops at the first child that proves the cut-off;
// - with one or two empty squares left, who can fill them decides a node (KernelEndgame.h);
// - results of deeper nodes are remembered in the table in a form that answers every bound, the
//   shallower ones in a small part of it that the processor's caches can hold.

#include <atomic>
#include <cstdint>

#include "engine/KernelBasics.h"
#include "engine/KernelEndgame.h"
#include "engine/KernelEvaluation.h"
#include "engine/KernelMoves.h"
#include "engine/KernelTable.h"

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

struct Context {
    std::int64_t leaves;
    KernelTable table;
    // Only nodes with at least this much depth left use the table.
    int tableMinDepth;
    // Raised from another thread when the search is to stop; may be null.
    const std::atomic<bool>* stop;
};

static_assert(sizeof(std::atomic<bool>) == sizeof(bool) && std::atomic<bool>::is_always_lock_free);

// The flag is read with the compiler's builtin: std::atomic's own load is an inline function of a
// shared header, which an unoptimised build would emit once per instruction set.
inline bool Stopped(const Context& context) {
    return context.stop != nullptr &&
           __atomic_load_n(reinterpret_cast<const bool*>(context.stop), __ATOMIC_RELAXED);
}

template <bool kComputer>
int Node(Context& context, const Position& position, int value, int depth, int bound, bool exact);

// A node one ply above the leaves. Searching a child at depth 0 evaluates it again, so the
// values computed to order the moves decide everything: the node's value is the best of them,
// and the leaf count rises by one per move for the ordering and then by one for the first child
// searched if that already passes the bound (a cut-off), or by one per move otherwise. The
// children may therefore be evaluated in any order; when the caller discards a cut-off value
// anyway (`exact` false), the first child past the bound settles the node.
template <bool kComputer>
int Frontier(Context& context, const Position& position, int value, int bound, bool exact) {
    U64 moves = kComputer ? position.computerMoves : position.humanMoves;
    if (moves == 0) {
        // A pass to depth 0: this same board is evaluated once more.
        context.leaves += 1;
        return value;
    }
    const U64 mover = kComputer ? position.computer : position.human;
    const U64 other = kComputer ? position.human : position.computer;
    const int count = PopCount(moves);
    int best = kComputer ? kLowest : kHighest;
    do {
        const int bit = LowestBit(moves);
        moves &= moves - 1;
        const U64 flipped = Flips(bit, mover, other);
        const U64 newMover = mover | flipped | Bit(bit);
        const U64 newOther = other ^ flipped;
        Position child;
        child.computer = kComputer ? newMover : newOther;
        child.human = kComputer ? newOther : newMover;
        const int childValue = Examine(child);
        if (Better<kComputer>(childValue, best)) {
            best = childValue;
            if (!exact && Better<kComputer>(childValue, bound)) {
                context.leaves += count + 1;
                return childValue;
            }
        }
    } while (moves != 0);
    context.leaves += count + (Better<kComputer>(best, bound) ? 1 : count);
    return best;
}

// A node with moves to search, with or without the table.
template <bool kComputer, bool kTable>
int Expand(Context& context, const Position& position, int depth, int bound) {
    const U64 moves = kComputer ? position.computerMoves : position.humanMoves;

    const std::int64_t startLeaves = context.leaves;
    const int depthAndSide = depth * 2 + (kComputer ? 1 : 0);
    SearchTableEntry* entry = nullptr;
    SearchTableEntry* slot = nullptr;
    Profile profile;
    int best = kComputer ? kLowest : kHighest;
    int firstPlace = 0;
    bool resumed = false;
    if constexpr (kTable) {
        context.table.Prefetch(position.computer, position.human, depthAndSide);
    }

    // The children come first even when the table may answer: generating them gives the memory
    // time to deliver the entry.
    const U64 mover = kComputer ? position.computer : position.human;
    const U64 other = kComputer ? position.human : position.computer;
    const bool prefetchChildren =
        context.table.Present() && depth - 1 >= context.tableMinDepth && depth - 1 < 128;
    const int childDepthAndSide = (depth - 1) * 2 + (kComputer ? 0 : 1);
    Position children[kMaxMoves];
    int values[kMaxMoves];
    std::uint8_t order[kMaxMoves];
    int count = 0;
    for (U64 rest = moves; rest != 0; rest &= rest - 1) {
        const int bit = LowestBit(rest);
        const U64 flipped = Flips(bit, mover, other);
        const U64 newMover = mover | flipped | Bit(bit);
        const U64 newOther = other ^ flipped;
        Position& child = children[count];
        child.computer = kComputer ? newMover : newOther;
        child.human = kComputer ? newOther : newMover;
        values[count] = Examine(child);
        if (prefetchChildren) {
            context.table.Prefetch(child.computer, child.human, childDepthAndSide);
        }
        // A stable insertion sort: best first for the side to move, equal values in generation
        // order.
        int place = count;
        while (place > 0 && Better<kComputer>(values[count], values[order[place - 1]])) {
            order[place] = order[place - 1];
            --place;
        }
        order[place] = static_cast<std::uint8_t>(count);
        ++count;
    }

    if constexpr (kTable) {
        entry = context.table.Find(position.computer, position.human, depthAndSide, slot);
        if (entry != nullptr) {
            int found = 0;
            std::int64_t foundLeaves = 0;
            const Lookup lookup = KernelTable::Probe<kComputer>(*entry, bound, found, foundLeaves);
            if (lookup == Lookup::kAnswer) {
                context.leaves += foundLeaves;
                return found;
            }
            if (lookup == Lookup::kResume) {
                // Carry on after the child that stopped the earlier search.
                KernelTable::Resume(*entry, profile);
                best = profile.values[profile.count - 1];
                firstPlace = profile.lastPlace + 1;
                context.leaves += profile.leaves[profile.count - 1];
                resumed = true;
            }
        }
    }

    if (!resumed) {
        context.leaves += count;
    }

    for (int place = firstPlace; place < count; ++place) {
        const int index = order[place];
        const int childValue =
            Node<!kComputer>(context, children[index], values[index], depth - 1, best, false);
        if (Stopped(context)) {
            // The child may have been cut short: its value means nothing, and neither this node
            // nor any above it is stored.
            return best;
        }
        if (Better<kComputer>(childValue, best)) {
            if constexpr (kTable) {
                profile.Add(childValue, context.leaves - startLeaves, place);
            }
            if (Better<kComputer>(childValue, bound)) {
                if constexpr (kTable) {
                    KernelTable::Store(*slot, position.computer, position.human, depthAndSide,
                                       profile, false, context.leaves - startLeaves);
                }
                return childValue;
            }
            best = childValue;
        }
    }
    if constexpr (kTable) {
        KernelTable::Store(*slot, position.computer, position.human, depthAndSide, profile, true,
                           context.leaves - startLeaves);
    }
    return best;
}

template <bool kComputer>
int Interior(Context& context, const Position& position, int value, int depth, int bound,
             bool exact) {
    if ((kComputer ? position.computerMoves : position.humanMoves) == 0) {
        // The side passes: the same board, the other side, one ply less, a bound that never cuts.
        return Node<!kComputer>(context, position, value, depth - 1, kComputer ? kLowest : kHighest,
                                exact);
    }
    if (context.table.Present() && depth >= context.tableMinDepth && depth < 128) {
        return Expand<kComputer, true>(context, position, depth, bound);
    }
    return Expand<kComputer, false>(context, position, depth, bound);
}

template <bool kComputer>
int Node(Context& context, const Position& position, int value, int depth, int bound, bool exact) {
    const U64 empty = ~(position.computer | position.human);
    if ((empty & (empty - 1)) == 0) {
        return LastSquare<kComputer>(context.leaves, position, value, depth);
    }
    if (depth >= 2 && PopCount(empty) == 2 &&
        (kComputer ? position.computerMoves : position.humanMoves) != 0) {
        return TwoSquares<kComputer>(context.leaves, position, depth, bound);
    }
    if (depth == 1) {
        return Frontier<kComputer>(context, position, value, bound, exact);
    }
    return Interior<kComputer>(context, position, value, depth, bound, exact);
}

}  // namespace
}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

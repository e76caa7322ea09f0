#include "engine/strong/MoveOrdering.h"
#include "engine/strong/StrongMoves.h"

#include <algorithm>

namespace flipstone::strong {

namespace {

constexpr Bits kCorners = 0x8100000000000081ull;
constexpr Bits kXSquares = 0x0042000000004200ull;
constexpr int kRepliesWeight = 16;
constexpr int kCornerBonus = 48;
constexpr int kXPenalty = 24;
constexpr int kFirst = -100000;

int KeyOf(int bit, Bits flips, Bits mover, Bits other) {
    const Bits square = Bits{1} << bit;
    const Bits replies = LegalMoves(other & ~flips, mover | flips | square);
    return kRepliesWeight * Count(replies) - ((square & kCorners) != 0 ? kCornerBonus : 0) +
           ((square & kXSquares) != 0 ? kXPenalty : 0);
}

}  // namespace

int OrderMoves(Bits mover, Bits other, Bits moves, int firstBit, OrderedMove* list) {
    int count = 0;
    for (Bits rest = moves; rest != 0; rest &= rest - 1) {
        const int bit = std::countr_zero(rest);
        const Bits flips = Flips(bit, mover, other);
        list[count++] = {bit, flips, bit == firstBit ? kFirst : KeyOf(bit, flips, mover, other)};
    }
    std::stable_sort(list, list + count,
                     [](const OrderedMove& a, const OrderedMove& b) { return a.key < b.key; });
    return count;
}

int ListMoves(Bits mover, Bits other, Bits moves, int firstBit, OrderedMove* list) {
    int count = 0;
    for (Bits rest = moves; rest != 0; rest &= rest - 1) {
        const int bit = std::countr_zero(rest);
        list[count] = {bit, Flips(bit, mover, other), 0};
        if (bit == firstBit) {
            std::swap(list[0], list[count]);
        }
        ++count;
    }
    return count;
}

}  // namespace flipstone::strong

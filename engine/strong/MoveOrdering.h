#pragma once

#include "engine/strong/Bits.h"

namespace flipstone::strong {

// One legal move, the discs it turns, and how early it is tried (lowest first).
struct OrderedMove {
    int bit = -1;
    Bits flips = 0;
    int key = 0;
};

// More than a side can ever have legal moves.
constexpr int kMaxMoves = 64;

// Lists the moves in `moves`: `firstBit` first (when it is one of them), then the ones that leave
// the opponent the fewest replies, corners before other squares. Returns how many.
int OrderMoves(Bits mover, Bits other, Bits moves, int firstBit, OrderedMove* list);
// Lists the moves cheaply: `firstBit` first, the others in square order.
int ListMoves(Bits mover, Bits other, Bits moves, int firstBit, OrderedMove* list);

}  // namespace flipstone::strong

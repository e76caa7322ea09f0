#pragma once

// The search kernel's perft: the leaves of the full move tree, a pass being a move and a finished
// game one leaf. It checks move generation and flips against the known counts.

#include "engine/KernelBasics.h"
#include "engine/KernelMoves.h"

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

U64 Perft(U64 toMove, U64 other, int depth) {
    if (depth == 0) {
        return 1;
    }
    U64 moves = LegalMoves(toMove, other);
    if (moves == 0) {
        if (LegalMoves(other, toMove) == 0) {
            return 1;
        }
        return Perft(other, toMove, depth - 1);
    }
    if (depth == 1) {
        return static_cast<U64>(PopCount(moves));
    }
    U64 leaves = 0;
    for (; moves != 0; moves &= moves - 1) {
        const int bit = LowestBit(moves);
        const U64 flipped = Flips(bit, toMove, other);
        leaves += Perft(other ^ flipped, toMove | flipped | Bit(bit), depth - 1);
    }
    return leaves;
}

}  // namespace
}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

#pragma once

#include <bit>
#include <cstdint>

namespace flipstone::strong {

// A side's discs, or a set of squares: bit row * 8 + column, as in BitBoard.
using Bits = std::uint64_t;

// The squares where `mover` may play.
Bits LegalMoves(Bits mover, Bits other);
// The discs of `other` that a disc of `mover` on `bit` turns.
Bits Flips(int bit, Bits mover, Bits other);

inline int Count(Bits bits) {
    return std::popcount(bits);
}

}  // namespace flipstone::strong

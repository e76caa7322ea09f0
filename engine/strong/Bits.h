#pragma once

#include <bit>
#include <cstdint>

namespace flipstone::strong {

// A side's discs, or a set of squares: bit row * 8 + column, as in BitBoard.
using Bits = std::uint64_t;

inline int Count(Bits bits) {
    return std::popcount(bits);
}

}  // namespace flipstone::strong

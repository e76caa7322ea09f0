#pragma once

// The strongest player's hot code is compiled once per instruction set, as the search kernel is
// (CoreUnit.cpp): this part holds what its searches know of the board. Like the kernel's parts,
// everything here lives in the build's own namespace and has internal linkage, and calls nothing
// inline from an ordinary shared header.

#include <cstdint>

#include "engine/KernelBasics.h"
#include "engine/KernelMoves.h"

namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

namespace moves = kernels::FLIPSTONE_KERNEL_NAMESPACE;
using U64 = std::uint64_t;

// Disc differences lie within these; a window from kBelowAll to kAboveAll holds every value.
constexpr int kMaxScore = 64;
constexpr int kBelowAll = -kMaxScore - 1;
constexpr int kAboveAll = kMaxScore + 1;
constexpr int kNoMove = 64;
constexpr int kMaxMoves = 32;

inline U64 Bit(int bit) {
    return U64{1} << bit;
}

inline int Count(U64 bits) {
    return moves::PopCount(bits);
}

inline int LowestBit(U64 bits) {
    return __builtin_ctzll(bits);
}

inline U64 LegalMoves(U64 mover, U64 other) {
    return moves::LegalMoves(mover, other);
}

inline U64 Flips(int bit, U64 mover, U64 other) {
    return moves::Flips(bit, mover, other);
}

// The squares next to `bits`, `bits` left out.
inline U64 Neighbours(U64 bits) {
    constexpr U64 kNotColumnA = 0xFEFEFEFEFEFEFEFEull;
    constexpr U64 kNotColumnH = 0x7F7F7F7F7F7F7F7Full;
    const U64 row = bits | ((bits >> 1) & kNotColumnH) | ((bits << 1) & kNotColumnA);
    return (row | (row << 8) | (row >> 8)) & ~bits;
}

// The final disc difference for `mover` when neither side can move: the winner gets the empty
// squares.
inline int FinalScore(U64 mover, U64 other) {
    const int difference = Count(mover) - Count(other);
    const int empty = 64 - Count(mover | other);
    return difference > 0 ? difference + empty : difference < 0 ? difference - empty : 0;
}

// The squares of the quadrants that hold an odd number of empty squares: playing there first
// tends to leave the last move in each region to the side that plays first.
inline U64 OddQuadrants(U64 empty) {
    constexpr U64 kQuadrants[4] = {0x000000000F0F0F0Full, 0x00000000F0F0F0F0ull,
                                   0x0F0F0F0F00000000ull, 0xF0F0F0F000000000ull};
    U64 odd = 0;
    for (const U64 quadrant : kQuadrants) {
        if ((Count(empty & quadrant) & 1) != 0) {
            odd |= quadrant;
        }
    }
    return odd;
}

// The squares whose line in each of the four directions is full: nothing can turn a disc there
// along a full line.
struct FullLines {
    U64 row;
    U64 column;
    U64 diagonal;      // a1 to h8 and its parallels
    U64 antiDiagonal;  // h1 to a8 and its parallels
};

struct DiagonalMasks {
    U64 diagonal[15];
    U64 antiDiagonal[15];
};

constexpr DiagonalMasks MakeDiagonalMasks() {
    DiagonalMasks masks{};
    for (int square = 0; square < 64; ++square) {
        const int column = square & 7;
        const int row = square >> 3;
        masks.diagonal[column - row + 7] |= U64{1} << square;
        masks.antiDiagonal[column + row] |= U64{1} << square;
    }
    return masks;
}

constexpr DiagonalMasks kDiagonals = MakeDiagonalMasks();

inline FullLines FullLinesOf(U64 occupied) {
    FullLines full{};
    U64 row = occupied & (occupied >> 1);
    row &= row >> 2;
    row &= row >> 4;
    full.row = (row & 0x0101010101010101ull) * 0xFF;
    U64 column = occupied & (occupied >> 8);
    column &= column >> 16;
    column &= column >> 32;
    full.column = (column & 0xFF) * 0x0101010101010101ull;
    for (int i = 0; i < 15; ++i) {
        if ((occupied & kDiagonals.diagonal[i]) == kDiagonals.diagonal[i]) {
            full.diagonal |= kDiagonals.diagonal[i];
        }
        if ((occupied & kDiagonals.antiDiagonal[i]) == kDiagonals.antiDiagonal[i]) {
            full.antiDiagonal |= kDiagonals.antiDiagonal[i];
        }
    }
    return full;
}

// The eight squares of column a as one byte, a1 the lowest bit.
inline unsigned ColumnAByte(U64 bits) {
    return static_cast<unsigned>(((bits & 0x0101010101010101ull) * 0x0102040810204080ull) >> 56);
}

inline U64 ColumnAFromByte(unsigned byte) {
    U64 column = 0;
    for (int row = 0; row < 8; ++row) {
        column |= static_cast<U64>((byte >> row) & 1) << (row * 8);
    }
    return column;
}

// The discs of `mover` on the four edges that no move can ever turn, from the table of stable
// discs on a line of eight (index mover byte * 256 + other byte).
inline U64 StableEdges(const std::uint8_t* lines, U64 mover, U64 other) {
    const U64 top = lines[(mover & 0xFF) * 256 + (other & 0xFF)];
    const U64 bottom = static_cast<U64>(lines[(mover >> 56) * 256 + (other >> 56)]) << 56;
    const U64 left = ColumnAFromByte(lines[ColumnAByte(mover) * 256 + ColumnAByte(other)]);
    const U64 right =
        ColumnAFromByte(lines[ColumnAByte(mover >> 7) * 256 + ColumnAByte(other >> 7)]) << 7;
    return (top | bottom | left | right) & mover;
}

// The discs of `mover` that no sequence of moves can turn: stable edge discs, discs whose four
// lines are full, and discs that in each direction have a full line, the board's edge or a stable
// disc of their own colour beside them.
inline U64 StableDiscs(const std::uint8_t* lines, U64 mover, U64 other) {
    constexpr U64 kEdgeColumns = 0x8181818181818181ull;
    constexpr U64 kEdgeRows = 0xFF000000000000FFull;
    constexpr U64 kEdges = kEdgeColumns | kEdgeRows;
    constexpr U64 kNotColumnA = 0xFEFEFEFEFEFEFEFEull;
    constexpr U64 kNotColumnH = 0x7F7F7F7F7F7F7F7Full;
    const FullLines full = FullLinesOf(mover | other);
    const U64 rowSafe = full.row | kEdgeColumns;
    const U64 columnSafe = full.column | kEdgeRows;
    const U64 diagonalSafe = full.diagonal | kEdges;
    const U64 antiSafe = full.antiDiagonal | kEdges;
    U64 stable = StableEdges(lines, mover, other) |
                 (mover & full.row & full.column & full.diagonal & full.antiDiagonal);
    if (stable == 0) {
        return 0;
    }
    for (;;) {
        const U64 byRow = rowSafe | ((stable << 1) & kNotColumnA) | ((stable >> 1) & kNotColumnH);
        const U64 byColumn = columnSafe | (stable << 8) | (stable >> 8);
        const U64 byDiagonal =
            diagonalSafe | ((stable << 9) & kNotColumnA) | ((stable >> 9) & kNotColumnH);
        const U64 byAnti = antiSafe | ((stable << 7) & kNotColumnH) | ((stable >> 7) & kNotColumnA);
        const U64 grown = stable | (mover & byRow & byColumn & byDiagonal & byAnti);
        if (grown == stable) {
            return stable;
        }
        stable = grown;
    }
}

}  // namespace
}  // namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE

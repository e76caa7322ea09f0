#pragma once

// The evaluation's patterns read off the board (see EvaluationLayout.h). Each place of a pattern
// is read on the board turned so that the place comes to the pattern's first place: its squares
// then lie in the top rows or on a diagonal, read a row byte at a time.

#include <cstdint>

#include "engine/strong/CoreBoard.h"
#include "engine/strong/EvaluationLayout.h"

namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

// The base-3 value of a byte's bits: bit j counts 3^j.
struct TernaryTable {
    std::uint16_t of[256];
};

constexpr TernaryTable MakeTernary() {
    TernaryTable table{};
    for (int byte = 0; byte < 256; ++byte) {
        int value = 0;
        for (int bit = 7; bit >= 0; --bit) {
            value = value * 3 + ((byte >> bit) & 1);
        }
        table.of[byte] = static_cast<std::uint16_t>(value);
    }
    return table;
}

constexpr TernaryTable kTernary = MakeTernary();

// Columns mirrored: a1 <-> h1.
inline U64 Mirror(U64 x) {
    x = ((x >> 1) & 0x5555555555555555ull) | ((x & 0x5555555555555555ull) << 1);
    x = ((x >> 2) & 0x3333333333333333ull) | ((x & 0x3333333333333333ull) << 2);
    return ((x >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((x & 0x0F0F0F0F0F0F0F0Full) << 4);
}

// Rows mirrored: a1 <-> a8.
inline U64 Flip(U64 x) {
    return __builtin_bswap64(x);
}

// Mirrored in the a1-h8 diagonal: b1 <-> a2.
inline U64 Transpose(U64 x) {
    U64 t = 0x0F0F0F0F00000000ull & (x ^ (x << 28));
    x ^= t ^ (t >> 28);
    t = 0x3333000033330000ull & (x ^ (x << 14));
    x ^= t ^ (t >> 14);
    t = 0x5500550055005500ull & (x ^ (x << 7));
    return x ^ t ^ (t >> 7);
}

// The position seen from one of the board's eight orientations.
struct View {
    U64 mover;
    U64 other;
};

inline int RowDigits(const View& view, int row, unsigned mask) {
    const unsigned mover = static_cast<unsigned>(view.mover >> (row * 8)) & mask;
    const unsigned other = static_cast<unsigned>(view.other >> (row * 8)) & mask;
    return kTernary.of[mover] + 2 * kTernary.of[other];
}

inline int SquareDigit(const View& view, int bit) {
    return static_cast<int>(((view.mover >> bit) & 1) + 2 * ((view.other >> bit) & 1));
}

// The squares (column, row) = (i + shift, i) packed into a byte by column.
inline unsigned DiagonalByte(U64 bits, int shift) {
    const U64 columns = ((0xFFull << shift) & 0xFF) * 0x0101010101010101ull;
    const U64 mask = (0x8040201008040201ull << shift) & columns;
    return static_cast<unsigned>(((bits & mask) * 0x0101010101010101ull) >> 56) >> shift;
}

inline int DiagonalDigits(const View& view, int shift) {
    return kTernary.of[DiagonalByte(view.mover, shift)] +
           2 * kTernary.of[DiagonalByte(view.other, shift)];
}

inline int EdgeIndex(const View& view) {
    return RowDigits(view, 0, 0xFF) + 6561 * SquareDigit(view, 9) + 19683 * SquareDigit(view, 14);
}

inline int BlockIndex(const View& view) {
    return RowDigits(view, 0, 7) + 27 * RowDigits(view, 1, 7) + 729 * RowDigits(view, 2, 7);
}

inline int WideBlockIndex(const View& view) {
    return RowDigits(view, 0, 31) + 243 * RowDigits(view, 1, 31);
}

// Writes the offsets, within a stage's weights, of the kFeatures weights the position adds up,
// given each side's number of legal moves.
inline void Features(U64 mover, U64 other, int moverMoves, int otherMoves, std::uint32_t* out) {
    using namespace layout;
    const U64 mirroredMover = Mirror(mover);
    const U64 mirroredOther = Mirror(other);
    const U64 transposedMover = Transpose(mover);
    const U64 transposedOther = Transpose(other);
    // The eight orientations: as is, mirrored, flipped, both, and each of them transposed.
    const View plain{mover, other};
    const View mirrored{mirroredMover, mirroredOther};
    const View flipped{Flip(mover), Flip(other)};
    const View turned{Flip(mirroredMover), Flip(mirroredOther)};
    const View transposed{transposedMover, transposedOther};
    const View transposedFlipped{Flip(transposedMover), Flip(transposedOther)};
    const View transposedMirrored{Mirror(transposedMover), Mirror(transposedOther)};
    const View transposedTurned{Flip(transposedMirrored.mover), Flip(transposedMirrored.other)};
    const View corners[4] = {plain, mirrored, flipped, turned};
    const View sides[4] = {plain, flipped, transposed, transposedFlipped};
    const View all[8] = {plain,
                         mirrored,
                         flipped,
                         turned,
                         transposed,
                         transposedFlipped,
                         transposedMirrored,
                         transposedTurned};
    const View diagonals[4] = {plain, transposed, mirrored, transposedFlipped};
    int n = 0;
    for (const View& view : sides) {
        out[n++] = PatternOffset(0) + EdgeIndex(view);
    }
    for (const View& view : corners) {
        out[n++] = PatternOffset(1) + BlockIndex(view);
    }
    for (const View& view : all) {
        out[n++] = PatternOffset(2) + WideBlockIndex(view);
    }
    for (int line = 1; line <= 3; ++line) {
        for (const View& view : sides) {
            out[n++] = PatternOffset(2 + line) + RowDigits(view, line, 0xFF);
        }
    }
    out[n++] = PatternOffset(6) + DiagonalDigits(plain, 0);
    out[n++] = PatternOffset(6) + DiagonalDigits(mirrored, 0);
    for (int shift = 1; shift <= 4; ++shift) {
        for (const View& view : diagonals) {
            out[n++] = PatternOffset(6 + shift) + DiagonalDigits(view, shift);
        }
    }
    out[n++] = kMoverMobilityOffset + (moverMoves < kMobilityCap ? moverMoves : kMobilityCap);
    out[n++] = kOtherMobilityOffset + (otherMoves < kMobilityCap ? otherMoves : kMobilityCap);
    out[n++] = kBiasOffset;
}

inline void FeaturesOf(U64 mover, U64 other, std::uint32_t* out) {
    Features(mover, other, Count(LegalMoves(mover, other)), Count(LegalMoves(other, mover)), out);
}

// The disc difference the side to move can expect, rounded and kept inside the game's range; a
// finished game (a full board, a side wiped out, neither side able to move) has its result.
inline int Evaluate(const std::int16_t* weights, U64 mover, U64 other) {
    const int moverMoves = Count(LegalMoves(mover, other));
    const int otherMoves = Count(LegalMoves(other, mover));
    if (moverMoves == 0 && otherMoves == 0) {
        return FinalScore(mover, other);
    }
    std::uint32_t features[layout::kFeatures];
    Features(mover, other, moverMoves, otherMoves, features);
    const int empties = 64 - Count(mover | other);
    const std::int16_t* stage = weights + layout::StageOf(empties) * layout::kStageSize;
    int sum = 0;
    for (const std::uint32_t feature : features) {
        sum += stage[feature];
    }
    const int half = layout::kWeightScale / 2;
    const int value = (sum >= 0 ? sum + half : sum - half) / layout::kWeightScale;
    return value > kMaxScore - 1 ? kMaxScore - 1 : value < 1 - kMaxScore ? 1 - kMaxScore : value;
}

}  // namespace
}  // namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE

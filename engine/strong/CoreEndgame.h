#pragma once

// The exact end of the game with few empty squares left, searched with a null window: whether
// the final disc difference for the side to move exceeds alpha. With four or fewer empty squares
// each square is tried directly (a square is a move only next to an opponent's disc); up to
// kShallowEmpties the moves are generated, odd regions first, without the table.

#include "engine/strong/CoreBoard.h"
#include "engine/strong/CoreContext.h"

namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

constexpr int kShallowEmpties = 5;

constexpr U64 kCorners = 0x8100000000000081ull;

struct NeighbourTable {
    U64 of[64];
};

constexpr NeighbourTable MakeNeighbours() {
    NeighbourTable table{};
    for (int square = 0; square < 64; ++square) {
        const int column = square & 7;
        const int row = square >> 3;
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                const int c = column + dc;
                const int r = row + dr;
                if ((dr != 0 || dc != 0) && c >= 0 && c < 8 && r >= 0 && r < 8) {
                    table.of[square] |= U64{1} << (r * 8 + c);
                }
            }
        }
    }
    return table;
}

constexpr NeighbourTable kNeighbours = MakeNeighbours();

// The most the side to move can get, when it is at most alpha: the opponent's stable discs stay
// the opponent's. kAboveAll when that settles nothing.
inline int StabilityCut(const Context& context, U64 mover, U64 other, int alpha) {
    // Worth counting only when the opponent's discs, were every one of them stable, would bring
    // the mover down to alpha.
    if (alpha < 64 - 2 * Count(other)) {
        return kAboveAll;
    }
    const int most = 64 - 2 * Count(StableDiscs(context.shared->stableLines, other, mover));
    return most <= alpha ? most : kAboveAll;
}

inline bool MayMoveOn(int square, U64 opponentDiscs) {
    return (opponentDiscs & kNeighbours.of[square]) != 0;
}

// The final disc difference when `mover` is to play the last empty square.
inline int SolveLast(Context& context, U64 mover, U64 other, int square) {
    ++context.nodes;
    const int moverDiscs = Count(mover);
    if (MayMoveOn(square, other)) {
        const int turned = Count(Flips(square, mover, other));
        if (turned > 0) {
            return 2 * (moverDiscs + turned + 1) - 64;
        }
    }
    if (MayMoveOn(square, mover)) {
        const int turned = Count(Flips(square, other, mover));
        if (turned > 0) {
            return 2 * (moverDiscs - turned) - 64;
        }
    }
    const int difference = 2 * moverDiscs - 63;
    return difference > 0 ? difference + 1 : difference - 1;
}

template <int kEmpties>
int SolveFew(Context& context, U64 mover, U64 other, int alpha, bool passed);

template <int kEmpties>
inline int SolveChild(Context& context, U64 mover, U64 other, int alpha, int square, U64 flips) {
    const U64 childMover = other ^ flips;
    const U64 childOther = mover | flips | Bit(square);
    if constexpr (kEmpties == 2) {
        return -SolveLast(context, childMover, childOther, LowestBit(~(childMover | childOther)));
    } else {
        return -SolveFew<kEmpties - 1>(context, childMover, childOther, -alpha - 1, false);
    }
}

// Two to four empty squares: each square tried in turn, odd regions first.
template <int kEmpties>
int SolveFew(Context& context, U64 mover, U64 other, int alpha, bool passed) {
    ++context.nodes;
    const U64 empty = ~(mover | other);
    const U64 odd = kEmpties >= 3 ? OddQuadrants(empty) : 0;
    const U64 groups[2] = {empty & odd, empty & ~odd};
    int best = kBelowAll;
    for (const U64 group : groups) {
        for (U64 rest = group; rest != 0; rest &= rest - 1) {
            const int square = LowestBit(rest);
            if (!MayMoveOn(square, other)) {
                continue;
            }
            const U64 flips = Flips(square, mover, other);
            if (flips == 0) {
                continue;
            }
            const int value = SolveChild<kEmpties>(context, mover, other, alpha, square, flips);
            if (value > best) {
                best = value;
                if (value > alpha) {
                    return value;
                }
            }
        }
    }
    if (best != kBelowAll) {
        return best;
    }
    if (passed) {
        return FinalScore(mover, other);
    }
    return -SolveFew<kEmpties>(context, other, mover, -alpha - 1, true);
}

int SolveShallow(Context& context, U64 mover, U64 other, int alpha, int empties);

inline int SolveShallowChild(Context& context, U64 mover, U64 other, int alpha, int empties,
                             int square, U64 flips) {
    const U64 childMover = other ^ flips;
    const U64 childOther = mover | flips | Bit(square);
    if (empties - 1 <= 4) {
        return -SolveFew<4>(context, childMover, childOther, -alpha - 1, false);
    }
    return -SolveShallow(context, childMover, childOther, -alpha - 1, empties - 1);
}

// Five to kShallowEmpties empty squares: the moves generated, odd regions first and corners
// before other squares within them, without the table.
int SolveShallow(Context& context, U64 mover, U64 other, int alpha, int empties) {
    ++context.nodes;
    const U64 moves = LegalMoves(mover, other);
    if (moves == 0) {
        if (LegalMoves(other, mover) == 0) {
            return FinalScore(mover, other);
        }
        return -SolveShallow(context, other, mover, -alpha - 1, empties);
    }
    const int most = StabilityCut(context, mover, other, alpha);
    if (most != kAboveAll) {
        return most;
    }
    const U64 odd = OddQuadrants(~(mover | other));
    const U64 groups[4] = {moves & odd & kCorners, moves & odd & ~kCorners, moves & ~odd & kCorners,
                           moves & ~odd & ~kCorners};
    int best = kBelowAll;
    for (const U64 group : groups) {
        for (U64 rest = group; rest != 0; rest &= rest - 1) {
            const int square = LowestBit(rest);
            const int value = SolveShallowChild(context, mover, other, alpha, empties, square,
                                                Flips(square, mover, other));
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

// The null-window solve of any position with at most kShallowEmpties empty squares.
inline int SolveSmall(Context& context, U64 mover, U64 other, int alpha, int empties) {
    switch (empties) {
        case 0:
            ++context.nodes;
            return FinalScore(mover, other);
        case 1:
            return SolveLast(context, mover, other, LowestBit(~(mover | other)));
        case 2:
            return SolveFew<2>(context, mover, other, alpha, false);
        case 3:
            return SolveFew<3>(context, mover, other, alpha, false);
        case 4:
            return SolveFew<4>(context, mover, other, alpha, false);
        default:
            return SolveShallow(context, mover, other, alpha, empties);
    }
}

}  // namespace
}  // namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE

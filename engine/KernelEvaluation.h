#pragma once

// The static evaluation for the search kernel, from the computer's side: the difference in
// legal moves plus the corner terms, or the final score once neither side can move.

#include "engine/KernelBasics.h"
#include "engine/KernelMoves.h"

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

constexpr U64 kNotColumn0 = 0xFEFEFEFEFEFEFEFEull;
constexpr U64 kNotColumn7 = 0x7F7F7F7F7F7F7F7Full;
constexpr U64 kCorners = 0x8100000000000081ull;
// The three neighbours of each corner.
constexpr U64 kCornerNeighbours = 0x42C300000000C342ull;

inline int CornerTerms(U64 computer, U64 human) {
    const U64 emptyCorners = kCorners & ~(computer | human);
    const U64 across =
        emptyCorners | ((emptyCorners << 1) & kNotColumn0) | ((emptyCorners >> 1) & kNotColumn7);
    const U64 watched = (across | (across << 8) | (across >> 8)) & kCornerNeighbours;
    return 32 * (PopCount(computer & kCorners) - PopCount(human & kCorners)) -
           16 * (PopCount(computer & watched) - PopCount(human & watched));
}

inline int FinalScore(U64 computer, U64 human) {
    const int computerDiscs = PopCount(computer);
    const int humanDiscs = PopCount(human);
    if (humanDiscs == 0) {
        return 1100;
    }
    if (computerDiscs == 0) {
        return -1100;
    }
    const int difference = computerDiscs - humanDiscs;
    return difference > 0 ? 1000 + difference : difference - 1000;
}

// The evaluation, given both sides' legal moves on the board.
inline int Score(U64 computer, U64 human, U64 computerMoves, U64 humanMoves) {
    if ((computerMoves | humanMoves) == 0) {
        return FinalScore(computer, human);
    }
    return PopCount(computerMoves) - PopCount(humanMoves) + CornerTerms(computer, human);
}

// A position as a node receives it: the discs and both sides' legal moves.
struct Position {
    U64 computer;
    U64 human;
    U64 computerMoves;
    U64 humanMoves;
};

// Fills in both sides' legal moves and returns the static value. A full board needs no move
// generation: nobody can move there.
inline int Examine(Position& position) {
    if ((position.computer | position.human) == ~U64{0}) {
        position.computerMoves = 0;
        position.humanMoves = 0;
        return FinalScore(position.computer, position.human);
    }
    position.computerMoves = LegalMoves(position.computer, position.human);
    position.humanMoves = LegalMoves(position.human, position.computer);
    return Score(position.computer, position.human, position.computerMoves, position.humanMoves);
}

}  // namespace
}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

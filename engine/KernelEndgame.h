#pragma once

// The search kernel's nodes with one or two empty squares left: who can fill them decides the
// node, and legality tests on those squares replace move generation over the whole board. Each
// adds the leaves it counts to `leafCount`.

#include <cstdint>

#include "engine/KernelBasics.h"
#include "engine/KernelEvaluation.h"
#include "engine/KernelMoves.h"

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

// The board after `mover` plays on the last empty square, which is then full.
inline int FinalScoreAfter(U64 square, U64 mover, U64 other, bool moverIsComputer) {
    const U64 flipped = Flips(LowestBit(square), mover, other);
    const U64 newMover = mover | flipped | square;
    const U64 newOther = other ^ flipped;
    return moverIsComputer ? FinalScore(newMover, newOther) : FinalScore(newOther, newMover);
}

// A node with at most one empty square, settled without searching. If the side to move can fill
// the square, the node evaluates that full board to order its one move (a leaf) and searches
// it, which passes until the depth runs out and evaluates it again (another leaf), whatever the
// bound. If not, the side passes and, with depth left, the other side may fill it the same way.
// Otherwise the board is final or the depth ends: one more evaluation of this same board.
template <bool kComputer>
int LastSquare(std::int64_t& leafCount, const Position& position, int value, int depth) {
    const U64 square = ~(position.computer | position.human);
    const U64 moverMoves = kComputer ? position.computerMoves : position.humanMoves;
    const U64 otherMoves = kComputer ? position.humanMoves : position.computerMoves;
    const U64 mover = kComputer ? position.computer : position.human;
    const U64 other = kComputer ? position.human : position.computer;
    if (moverMoves != 0) {
        leafCount += 2;
        return FinalScoreAfter(square, mover, other, kComputer);
    }
    if (depth >= 2 && otherMoves != 0) {
        leafCount += 2;
        return FinalScoreAfter(square, other, mover, !kComputer);
    }
    leafCount += 1;
    return value;
}

// A node with two empty squares and depth for at least two plies: the general node, with what
// its children need worked out square by square. A child has one empty square left, so a legal
// move there for either side is one with discs to turn, and the turned discs give the final
// board that the child's own search (LastSquare) reaches.
template <bool kComputer>
int TwoSquares(std::int64_t& leafCount, const Position& position, int depth, int bound) {
    const U64 mover = kComputer ? position.computer : position.human;
    const U64 other = kComputer ? position.human : position.computer;
    const U64 empty = ~(position.computer | position.human);
    U64 moves = kComputer ? position.computerMoves : position.humanMoves;
    const int count = PopCount(moves);
    // Per child: its static value, and the value and leaves of its search.
    int values[2];
    int results[2];
    int leaves[2];
    for (int i = 0; moves != 0; ++i, moves &= moves - 1) {
        const U64 square = moves & (0 - moves);
        const U64 flipped = Flips(LowestBit(square), mover, other);
        const U64 newMover = mover | flipped | square;
        const U64 newOther = other ^ flipped;
        const U64 rest = empty ^ square;
        const int restBit = LowestBit(rest);
        const U64 otherFlips = Flips(restBit, newOther, newMover);
        const U64 moverFlips = Flips(restBit, newMover, newOther);
        const U64 computer = kComputer ? newMover : newOther;
        const U64 human = kComputer ? newOther : newMover;
        if ((otherFlips | moverFlips) == 0) {
            values[i] = FinalScore(computer, human);
        } else {
            const int moverCount = moverFlips != 0 ? 1 : 0;
            const int otherCount = otherFlips != 0 ? 1 : 0;
            values[i] = (kComputer ? moverCount - otherCount : otherCount - moverCount) +
                        CornerTerms(computer, human);
        }
        if (otherFlips != 0) {
            // The other side fills the last square.
            const U64 otherAfter = newOther | otherFlips | rest;
            const U64 moverAfter = newMover ^ otherFlips;
            results[i] =
                kComputer ? FinalScore(moverAfter, otherAfter) : FinalScore(otherAfter, moverAfter);
            leaves[i] = 2;
        } else if (depth - 1 >= 2 && moverFlips != 0) {
            // The other side passes and this side fills it.
            const U64 moverAfter = newMover | moverFlips | rest;
            const U64 otherAfter = newOther ^ moverFlips;
            results[i] =
                kComputer ? FinalScore(moverAfter, otherAfter) : FinalScore(otherAfter, moverAfter);
            leaves[i] = 2;
        } else {
            results[i] = values[i];
            leaves[i] = 1;
        }
    }
    leafCount += count;
    const bool swap = count == 2 && Better<kComputer>(values[1], values[0]);
    int best = kComputer ? kLowest : kHighest;
    for (int place = 0; place < count; ++place) {
        const int index = swap ? 1 - place : place;
        leafCount += leaves[index];
        const int childValue = results[index];
        if (Better<kComputer>(childValue, best)) {
            if (Better<kComputer>(childValue, bound)) {
                return childValue;
            }
            best = childValue;
        }
    }
    return best;
}

}  // namespace
}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

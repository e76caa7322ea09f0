#pragma once

#include "engine/strong/Bits.h"

namespace flipstone::strong {

// How good a position is for the side to move: mobility now and later, corners and the squares
// next to them, edge discs anchored on a corner, and who gets the last move.
class StrongEvaluation {
public:
    // More than any evaluation: a won game is worth kWin plus its disc difference.
    static constexpr int kWin = 30000;

    static int Evaluate(Bits mover, Bits other);
    // The value of a finished game: the winner also gets the empty squares.
    static int FinalValue(Bits mover, Bits other);
    // The final disc difference, the winner getting the empty squares.
    static int DiscDifference(Bits mover, Bits other);
};

}  // namespace flipstone::strong

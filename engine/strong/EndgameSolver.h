#pragma once

#include "engine/strong/Bits.h"
#include "engine/strong/MoveOrdering.h"
#include "engine/strong/SearchClock.h"
#include "engine/strong/StrongTable.h"

namespace flipstone::strong {

// The exact end of the game: the final disc difference for the side to move (the winner getting
// the empty squares) when both sides play perfectly, searched within a window.
class EndgameSolver {
public:
    EndgameSolver(SearchClock& clock, int tableBits);

    // The value within (alpha, beta): a value at or below alpha is only an upper bound, one at or
    // above beta a lower bound. `bestBit` is tried first and becomes the best move found.
    int SolveRoot(Bits mover, Bits other, int alpha, int beta, int& bestBit);

private:
    int Solve(Bits mover, Bits other, int alpha, int beta, bool passed);
    int SolveFewEmpties(Bits mover, Bits other, Bits moves, int alpha, int beta);
    int SolveOrdered(Bits mover, Bits other, Bits moves, int alpha, int beta);
    int SolveList(Bits mover, Bits other, const OrderedMove* list, int count, int alpha, int beta,
                  int& bestBit);
    int SolveChild(Bits mover, Bits other, int bit, Bits flips, int alpha, int beta);

    SearchClock& clock_;
    StrongTable table_;
};

}  // namespace flipstone::strong

#pragma once

#include <cstdint>

#include "engine/Board.h"

namespace flipstone::testing {

// The final disc difference for the side to move by full minimax on the game's own board, the
// winner getting the empty squares: the yardstick of every exact value. Only for a few empty
// squares.
int PlainSolve(const Board& board, std::uint8_t side);

}  // namespace flipstone::testing

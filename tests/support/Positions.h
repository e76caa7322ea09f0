#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "engine/Board.h"

namespace flipstone::testing {

// Builds a board from its 64-character text form; the test fails loudly on a bad literal.
Board BoardFrom(std::string_view text);

// Black on a1 and white on a2, nothing else: black's only move is a3 and white has none.
Board CornerPairBoard();

// Black on c3 (2, 2) turns exactly five white discs here: b2, c2, b3, b4 and d4.
Board FiveDiscBoard();

// A position reached by random legal play from the start, with the given number of empty
// squares or fewer when the game ended first, and the colour to move there (the side that
// would move next, or either colour in a finished game).
struct RandomPosition {
    Board board;
    std::uint8_t toMove;
};
RandomPosition RandomGamePosition(std::uint32_t seed, int emptySquares);

// Such a position made its own mirror image under `image`, a turn or mirror of the board that
// undoes itself (a square's BitBoard bit to its image's): each square takes what the first of it
// and its image holds.
RandomPosition MirroredGamePosition(std::uint32_t seed, int emptySquares,
                                    const std::function<int(int)>& image);

// Many such positions, spread over the whole game.
std::vector<RandomPosition> RandomPositions(std::uint32_t seed, int count, int minEmpty,
                                            int maxEmpty);

}  // namespace flipstone::testing

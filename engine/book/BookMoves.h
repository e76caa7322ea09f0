#pragma once

#include <optional>

#include "engine/strong/Bits.h"

namespace flipstone::book {

using strong::Bits;

// The position a move leads to, as the book keeps positions: the side to move always has a move.
struct Successor {
    Bits mover = 0;
    Bits other = 0;
    // The opponent had to pass: the side that moved is to move again.
    bool sameMover = false;
    // Neither side can move: the game is over, with `finalDifference` for the side that moved.
    bool over = false;
    int finalDifference = 0;

    // The value of the move for the side that made it, from the value of this position for its
    // side to move.
    int MoveValue(int positionValue) const { return sameMover ? positionValue : -positionValue; }
};

// The position after `mover` plays `bit` (a legal move).
Successor After(Bits mover, Bits other, int bit);

// The squares where `mover` may play.
Bits LegalMoves(Bits mover, Bits other);

// The position as the book keeps it: the side to move passes when it has no move; none when the
// game is over.
struct BookSide {
    Bits mover = 0;
    Bits other = 0;
    bool passed = false;
};
std::optional<BookSide> Playable(Bits mover, Bits other);

}  // namespace flipstone::book

#include "engine/book/BookMoves.h"

#include "engine/SearchKernel.h"

namespace flipstone::book {

namespace {

int FinalDifference(Bits mover, Bits other) {
    const int difference = strong::Count(mover) - strong::Count(other);
    const int empty = 64 - strong::Count(mover | other);
    return difference > 0 ? difference + empty : difference < 0 ? difference - empty : 0;
}

}  // namespace

Bits LegalMoves(Bits mover, Bits other) {
    return SearchKernel::Best().legalMoves(mover, other);
}

Successor After(Bits mover, Bits other, int bit) {
    const Bits flips = SearchKernel::Best().flips(bit, mover, other);
    const Bits moved = mover | flips | (Bits{1} << bit);
    const Bits waiting = other & ~flips;
    Successor next;
    if (LegalMoves(waiting, moved) != 0) {
        next.mover = waiting;
        next.other = moved;
    } else if (LegalMoves(moved, waiting) != 0) {
        next.mover = moved;
        next.other = waiting;
        next.sameMover = true;
    } else {
        next.mover = moved;
        next.other = waiting;
        next.sameMover = true;
        next.over = true;
        next.finalDifference = FinalDifference(moved, waiting);
    }
    return next;
}

std::optional<BookSide> Playable(Bits mover, Bits other) {
    if (LegalMoves(mover, other) != 0) {
        return BookSide{mover, other, false};
    }
    if (LegalMoves(other, mover) != 0) {
        return BookSide{other, mover, true};
    }
    return std::nullopt;
}

}  // namespace flipstone::book

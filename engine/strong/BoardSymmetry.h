#pragma once

#include <vector>

#include "engine/strong/Bits.h"

namespace flipstone::strong {

// The eight ways of turning and mirroring the board onto itself, numbered 0 to 7: bit 2 mirrors
// in the a1-h8 diagonal first, then bit 0 mirrors the columns and bit 1 the rows. 0 leaves the
// board as it is. Each maps moves, values and whole games onto equally good ones.
namespace symmetry {

constexpr int kCount = 8;

Bits Transform(Bits squares, int symmetry);
int TransformBit(int bit, int symmetry);
// The symmetry that undoes `symmetry`.
int Inverse(int symmetry);
// The symmetries other than 0 that turn the position into itself: none for most positions.
std::vector<int> Keeping(Bits mover, Bits other);

}  // namespace symmetry

// One position in its canonical orientation: the least (mover, other) of its eight images, and
// the symmetry that turns the position as given into it.
struct CanonicalPosition {
    Bits mover = 0;
    Bits other = 0;
    int symmetry = 0;

    static CanonicalPosition Of(Bits mover, Bits other);
    // A square of the canonical image, on the board as given.
    int BitOnGivenBoard(int canonicalBit) const;
};

}  // namespace flipstone::strong

#pragma once

namespace flipstone::strong {

// A pattern's index as the board's symmetry that keeps the pattern in place sees it: the edge,
// the lines and the diagonals read backwards, the 3x3 corner block mirrored in its diagonal.
// The corner block of 2x5 has no such symmetry: its index comes back unchanged. Fitted weights
// give both indices the same weight, so that the evaluation is the same from every side.
int SymmetricIndex(int pattern, int index);

}  // namespace flipstone::strong

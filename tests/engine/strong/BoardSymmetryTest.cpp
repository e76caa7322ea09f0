#include "engine/strong/BoardSymmetry.h"

#include <gtest/gtest.h>

#include "engine/BitBoard.h"
#include "engine/SearchKernel.h"
#include "support/Positions.h"

namespace flipstone::strong {
namespace {

// Every image of a position has the same canonical form, and its moves map back onto the moves
// of the image they came from.
TEST(BoardSymmetryTest, EveryImageHasOneCanonicalFormWhoseMovesMapBack) {
    const SearchKernel& kernel = SearchKernel::Best();
    for (const auto& [board, side] : testing::RandomPositions(11, 20, 20, 56)) {
        const BitBoard bits = BitBoard::FromBoard(board);
        const Bits mover = bits.Discs(side);
        const Bits other = bits.Discs(Opponent(side));
        const CanonicalPosition first = CanonicalPosition::Of(mover, other);
        for (int s = 0; s < symmetry::kCount; ++s) {
            const Bits m = symmetry::Transform(mover, s);
            const Bits o = symmetry::Transform(other, s);
            EXPECT_EQ(symmetry::Transform(m, symmetry::Inverse(s)), mover);
            const CanonicalPosition image = CanonicalPosition::Of(m, o);
            EXPECT_EQ(image.mover, first.mover);
            EXPECT_EQ(image.other, first.other);
            Bits mapped = 0;
            for (Bits rest = kernel.legalMoves(image.mover, image.other); rest != 0;
                 rest &= rest - 1) {
                mapped |= Bits{1} << image.BitOnGivenBoard(__builtin_ctzll(rest));
            }
            EXPECT_EQ(mapped, kernel.legalMoves(m, o)) << s;
        }
    }
}

}  // namespace
}  // namespace flipstone::strong

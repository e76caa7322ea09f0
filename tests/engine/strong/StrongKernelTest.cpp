#include "engine/strong/StrongKernel.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/BitBoard.h"
#include "engine/SearchKernel.h"
#include "engine/strong/Bits.h"
#include "engine/strong/EvaluationLayout.h"
#include "engine/strong/EvaluationWeights.h"
#include "engine/strong/PatternSymmetry.h"
#include "engine/strong/StableLines.h"
#include "support/Positions.h"

namespace flipstone::strong {
namespace {

std::vector<const StrongKernel*> Kernels() {
    std::vector<const StrongKernel*> kernels = {&StrongKernel::Baseline()};
    if (StrongKernel::Avx2() != nullptr) {
        kernels.push_back(StrongKernel::Avx2());
    }
    return kernels;
}

Bits Mirror(Bits bits) {
    Bits out = 0;
    for (int bit = 0; bit < 64; ++bit) {
        out |= ((bits >> bit) & 1) << ((bit & ~7) | (7 - (bit & 7)));
    }
    return out;
}

Bits Transpose(Bits bits) {
    Bits out = 0;
    for (int bit = 0; bit < 64; ++bit) {
        out |= ((bits >> bit) & 1) << ((bit & 7) * 8 + bit / 8);
    }
    return out;
}

// Every weight set to something of its own (the same for a pattern's symmetric indices, as the
// fit makes them), so that a pattern read in the wrong place or orientation shows in the sum.
EvaluationWeights RandomWeights() {
    EvaluationWeights weights;
    std::mt19937 random(3);
    for (int stage = 0; stage < layout::kStages; ++stage) {
        std::int16_t* out = weights.MutableWeights() + stage * layout::kStageSize;
        for (int i = 0; i < layout::kStageSize; ++i) {
            out[i] = static_cast<std::int16_t>(random() % 2001) - 1000;
        }
        for (int pattern = 0; pattern < layout::kPatterns; ++pattern) {
            std::int16_t* table = out + layout::PatternOffset(pattern);
            for (int index = 0; index < layout::kPatternSizes[pattern]; ++index) {
                table[SymmetricIndex(pattern, index)] = table[index];
            }
        }
    }
    return weights;
}

// A pattern's places must be read so that the board's eight symmetries give the same sum; each
// build of the code gives the same values.
TEST(StrongKernelTest, EvaluationIsTheSameUnderTheBoardsSymmetries) {
    const EvaluationWeights weights = RandomWeights();
    for (const auto& [board, side] : testing::RandomPositions(11, 40, 4, 56)) {
        const BitBoard bits = BitBoard::FromBoard(board);
        Bits mover = bits.Discs(side);
        Bits other = bits.Discs(Opponent(side));
        const int value = StrongKernel::Baseline().evaluate(weights.Weights(), mover, other);
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
            Bits m = (symmetry & 1) != 0 ? Mirror(mover) : mover;
            Bits o = (symmetry & 1) != 0 ? Mirror(other) : other;
            m = (symmetry & 2) != 0 ? __builtin_bswap64(m) : m;
            o = (symmetry & 2) != 0 ? __builtin_bswap64(o) : o;
            m = (symmetry & 4) != 0 ? Transpose(m) : m;
            o = (symmetry & 4) != 0 ? Transpose(o) : o;
            for (const StrongKernel* kernel : Kernels()) {
                EXPECT_EQ(kernel->evaluate(weights.Weights(), m, o), value)
                    << kernel->name << " symmetry " << symmetry;
            }
        }
    }
}

// A finished game is scored by its result, whatever the weights say: a side wiped out loses
// every square, and a full board counts its discs.
TEST(StrongKernelTest, AFinishedGameIsScoredByItsResult) {
    const EvaluationWeights weights = RandomWeights();
    struct Finished {
        Bits mover;
        Bits other;
        int value;
    };
    const Finished games[] = {
        {0, 0x0000001818000000ull, -64},
        {0x0000001818000000ull, 0, 64},
        {0xFFFFFFFFFF000000ull, 0x0000000000FFFFFFull, 16},
        {~Bits{0} << 1, 0, 64},
    };
    for (const Finished& game : games) {
        for (const StrongKernel* kernel : Kernels()) {
            EXPECT_EQ(kernel->evaluate(weights.Weights(), game.mover, game.other), game.value)
                << kernel->name << " " << game.mover << " " << game.other;
        }
    }
}

// Whether any sequence of moves from the position turns a disc of `watched`.
bool AnyTurns(Bits mover, Bits other, Bits watched, bool passed = false) {
    const SearchKernel& moves = SearchKernel::Best();
    Bits legal = moves.legalMoves(mover, other);
    if (legal == 0) {
        return !passed && AnyTurns(other, mover, watched, true);
    }
    for (; legal != 0; legal &= legal - 1) {
        const int bit = __builtin_ctzll(legal);
        const Bits flips = moves.flips(bit, mover, other);
        if ((flips & watched) != 0 ||
            AnyTurns(other & ~flips, mover | flips | (Bits{1} << bit), watched)) {
            return true;
        }
    }
    return false;
}

// No disc counted stable can be turned by any sequence of moves.
TEST(StrongKernelTest, StableDiscsAreNeverTurned) {
    int stableSeen = 0;
    for (const auto& [board, side] : testing::RandomPositions(17, 40, 6, 7)) {
        const BitBoard bits = BitBoard::FromBoard(board);
        for (const std::uint8_t colour : {kBlack, kWhite}) {
            for (const StrongKernel* kernel : Kernels()) {
                const Bits stable = kernel->stableDiscs(StableLineTable(), bits.Discs(colour),
                                                        bits.Discs(Opponent(colour)));
                EXPECT_EQ(stable & ~bits.Discs(colour), 0u);
                EXPECT_FALSE(AnyTurns(bits.Discs(side), bits.Discs(Opponent(side)), stable))
                    << kernel->name;
                stableSeen += __builtin_popcountll(stable);
            }
        }
    }
    EXPECT_GT(stableSeen, 1000);
}

}  // namespace
}  // namespace flipstone::strong

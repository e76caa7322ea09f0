#include "engine/BitBoard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/SearchKernel.h"
#include "support/PlainSearch.h"
#include "support/Positions.h"

namespace flipstone {
namespace {

using testing::BoardFrom;
using testing::PlainSearch;
using testing::RandomPositions;

std::vector<const SearchKernel*> Kernels() {
    std::vector<const SearchKernel*> kernels = {&SearchKernel::Baseline()};
    if (SearchKernel::Avx2() != nullptr) {
        kernels.push_back(SearchKernel::Avx2());
    }
    return kernels;
}

std::uint64_t PlainLegalMoves(const Board& board, std::uint8_t colour) {
    std::uint64_t moves = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (board.CanPlace(column, row, colour)) {
                moves |= std::uint64_t{1} << BitBoard::BitOf(column, row);
            }
        }
    }
    return moves;
}

TEST(BitBoardTest, SquareBitsFollowRowsThenColumns) {
    EXPECT_EQ(BitBoard::BitOf(0, 0), 0);
    EXPECT_EQ(BitBoard::BitOf(7, 0), 7);
    EXPECT_EQ(BitBoard::BitOf(0, 1), 8);
    EXPECT_EQ(BitBoard::BitOf(3, 2), 19);
    EXPECT_EQ(BitBoard::ColumnOf(19), 3);
    EXPECT_EQ(BitBoard::RowOf(19), 2);
}

TEST(BitBoardTest, StartPositionConvertsBothWays) {
    Board board;
    board.Reset();
    const BitBoard bits = BitBoard::FromBoard(board);
    // White on (3, 3) and (4, 4), black on (4, 3) and (3, 4).
    EXPECT_EQ(bits.white, (std::uint64_t{1} << 27) | (std::uint64_t{1} << 36));
    EXPECT_EQ(bits.black, (std::uint64_t{1} << 28) | (std::uint64_t{1} << 35));
    EXPECT_EQ(bits.Discs(kBlack), bits.black);
    EXPECT_EQ(bits.Discs(kWhite), bits.white);
    EXPECT_EQ(bits.ToBoard(), board);
}

TEST(BitBoardTest, RandomPositionsConvertBothWays) {
    for (const auto& position : RandomPositions(11, 300, 0, 60)) {
        const BitBoard bits = BitBoard::FromBoard(position.board);
        EXPECT_EQ(bits.black & bits.white, 0u);
        EXPECT_EQ(__builtin_popcountll(bits.black), position.board.CountBlack());
        EXPECT_EQ(__builtin_popcountll(bits.white), position.board.CountWhite());
        EXPECT_EQ(bits.ToBoard(), position.board);
    }
}

class KernelTest : public ::testing::TestWithParam<const SearchKernel*> {};

TEST_P(KernelTest, LegalMovesMatchTheBoardRules) {
    const SearchKernel& kernel = *GetParam();
    for (const auto& position : RandomPositions(21, 2000, 0, 60)) {
        const BitBoard bits = BitBoard::FromBoard(position.board);
        for (const std::uint8_t colour : {kBlack, kWhite}) {
            EXPECT_EQ(kernel.legalMoves(bits.Discs(colour), bits.Discs(Opponent(colour))),
                      PlainLegalMoves(position.board, colour));
        }
    }
}

TEST_P(KernelTest, FlipsTurnWhatPlaceTurns) {
    const SearchKernel& kernel = *GetParam();
    for (const auto& position : RandomPositions(22, 1000, 0, 60)) {
        const BitBoard bits = BitBoard::FromBoard(position.board);
        for (const std::uint8_t colour : {kBlack, kWhite}) {
            const std::uint64_t mover = bits.Discs(colour);
            const std::uint64_t other = bits.Discs(Opponent(colour));
            for (int bit = 0; bit < 64; ++bit) {
                const int column = BitBoard::ColumnOf(bit);
                const int row = BitBoard::RowOf(bit);
                Board after = position.board;
                const bool legal = after.Place(column, row, colour);
                const std::uint64_t flipped = kernel.flips(bit, mover, other);
                if (!legal) {
                    EXPECT_EQ(flipped, 0u) << "square " << column << "," << row;
                    continue;
                }
                const BitBoard expected = BitBoard::FromBoard(after);
                EXPECT_EQ(mover | flipped | (std::uint64_t{1} << bit), expected.Discs(colour));
                EXPECT_EQ(other & ~flipped, expected.Discs(Opponent(colour)));
            }
        }
    }
}

TEST_P(KernelTest, FlipsAlongEveryDirectionAtTheEdges) {
    const SearchKernel& kernel = *GetParam();
    // Black at d4 surrounded by white runs that end in black in all eight directions.
    const Board board = BoardFrom(
        "X--X--X-"
        "-O-O-O--"
        "--OOO---"
        "XOO-OOOX"
        "--OOO---"
        "-O-O-O--"
        "X--X--X-"
        "--------");
    const BitBoard bits = BitBoard::FromBoard(board);
    Board after = board;
    ASSERT_TRUE(after.Place(3, 3, kBlack));
    const std::uint64_t flipped = kernel.flips(BitBoard::BitOf(3, 3), bits.black, bits.white);
    EXPECT_EQ(bits.black | flipped | (std::uint64_t{1} << 27), BitBoard::FromBoard(after).black);
    EXPECT_EQ(__builtin_popcountll(flipped), 17);
}

TEST_P(KernelTest, EvaluationMatchesThePlainEvaluation) {
    const SearchKernel& kernel = *GetParam();
    for (const auto& position : RandomPositions(23, 2000, 0, 60)) {
        const BitBoard bits = BitBoard::FromBoard(position.board);
        for (const std::uint8_t computer : {kBlack, kWhite}) {
            PlainSearch plain(computer, Opponent(computer));
            EXPECT_EQ(kernel.evaluate(bits.Discs(computer), bits.Discs(Opponent(computer))),
                      plain.Evaluate(position.board));
        }
    }
}

TEST_P(KernelTest, FinishedGamesScoreTheirDiscs) {
    const SearchKernel& kernel = *GetParam();
    const std::uint64_t all = ~std::uint64_t{0};
    const std::uint64_t half = 0x00000000FFFFFFFFull;
    EXPECT_EQ(kernel.evaluate(half, all & ~half), -1000);
    EXPECT_EQ(kernel.evaluate(half | (std::uint64_t{1} << 40), all & ~half & ~(1ull << 40)), 1002);
    EXPECT_EQ(kernel.evaluate(0x3, 0), 1100);
    EXPECT_EQ(kernel.evaluate(0, 0x3), -1100);
}

TEST_P(KernelTest, PerftFromTheStartCountsTheKnownLeaves) {
    const SearchKernel& kernel = *GetParam();
    Board start;
    start.Reset();
    const BitBoard bits = BitBoard::FromBoard(start);
    const std::uint64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200, 55092, 390216};
    for (int depth = 0; depth <= 8; ++depth) {
        EXPECT_EQ(kernel.perft(bits.black, bits.white, depth), expected[depth]) << depth;
    }
}

TEST_P(KernelTest, PerftCountsPassesAndFinishedGames) {
    const SearchKernel& kernel = *GetParam();
    // Black can move only to a3; then white cannot move and black has none either: finished.
    const BitBoard bits = BitBoard::FromBoard(testing::CornerPairBoard());
    EXPECT_EQ(kernel.perft(bits.black, bits.white, 1), 1u);
    EXPECT_EQ(kernel.perft(bits.black, bits.white, 5), 1u) << "the finished game is one leaf";
    EXPECT_EQ(kernel.perft(bits.white, bits.black, 1), 1u) << "white passes";
    EXPECT_EQ(kernel.perft(bits.white, bits.black, 2), 1u) << "pass, then black's one move";
}

INSTANTIATE_TEST_SUITE_P(AllKernels, KernelTest, ::testing::ValuesIn(Kernels()),
                         [](const auto& info) { return std::string(info.param->name); });

TEST(KernelChoiceTest, BestIsAKernelThisProcessorRuns) {
    const SearchKernel& best = SearchKernel::Best();
    if (SearchKernel::Avx2() != nullptr) {
        EXPECT_EQ(&best, SearchKernel::Avx2());
    } else {
        EXPECT_EQ(&best, &SearchKernel::Baseline());
    }
}

}  // namespace
}  // namespace flipstone

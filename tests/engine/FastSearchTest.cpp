#include "engine/FastSearch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/BoardText.h"
#include "support/PlainSearch.h"
#include "support/Positions.h"
#include "support/TestScale.h"

namespace flipstone {
namespace {

using testing::BoardFrom;
using testing::PlainSearch;
using testing::RandomGamePosition;
using testing::RandomPosition;
using testing::RandomPositions;

using testing::Scale;
using testing::Scaled;

struct SearchCase {
    Board board;
    std::uint8_t side;
    int depth;
    int bound;
    std::uint8_t computer;
};

std::string Describe(const SearchCase& c) {
    return BoardText::Format(c.board) + " side " + std::to_string(c.side) + " depth " +
           std::to_string(c.depth) + " bound " + std::to_string(c.bound) + " computer " +
           std::to_string(c.computer);
}

// The searches under test: one that keeps its table across every case of a test (so results
// are reused under other bounds), one whose tables are so small that entries are replaced all
// the time, and each kernel without a table.
class Searchers {
public:
    Searchers() {
        withoutTable_.push_back(std::make_unique<FastSearch>(SearchKernel::Baseline(), false));
        if (SearchKernel::Avx2() != nullptr) {
            withoutTable_.push_back(std::make_unique<FastSearch>(*SearchKernel::Avx2(), false));
        }
    }

    // Compares every search with the plain one on this case; returns the plain value.
    std::int32_t ExpectSameAsPlain(const SearchCase& c) {
        PlainSearch plain(c.computer, Opponent(c.computer));
        const std::int32_t expected = plain.Search(c.board, c.side, c.depth, c.bound);
        Check(withTable_, c, expected, plain.leaves);
        Check(withTinyTable_, c, expected, plain.leaves);
        for (const auto& search : withoutTable_) {
            Check(*search, c, expected, plain.leaves);
        }
        return expected;
    }

    // The case under the bounds that matter: one that never cuts, one that cuts at the first
    // child, and values around the true value, where a cut-off happens or just does not.
    void ExpectSameUnderBounds(SearchCase c, std::mt19937& random) {
        const bool computerNode = c.side == c.computer;
        c.bound = computerNode ? 9999 : -9999;
        const std::int32_t value = ExpectSameAsPlain(c);
        const int around[] = {-c.bound, value - 1, value, value + 1,
                              value + static_cast<int>(random() % 41) - 20};
        for (const int bound : around) {
            c.bound = bound;
            ExpectSameAsPlain(c);
        }
    }

private:
    void Check(FastSearch& search, const SearchCase& c, std::int32_t expected,
               std::int64_t expectedLeaves) {
        std::int64_t leaves = 0;
        const std::int32_t value =
            search.Search(c.board, c.side, c.depth, c.bound, c.computer, leaves);
        EXPECT_EQ(value, expected) << search.Kernel().name << " " << Describe(c);
        EXPECT_EQ(leaves, expectedLeaves) << search.Kernel().name << " " << Describe(c);
    }

    FastSearch withTable_{16};
    FastSearch withTinyTable_{SearchKernel::Best(), true, 3, 2};
    std::vector<std::unique_ptr<FastSearch>> withoutTable_;
};

SearchCase CaseAt(const RandomPosition& position, std::mt19937& random, int depth) {
    const std::uint8_t computer = random() % 2 == 0 ? kBlack : kWhite;
    const std::uint8_t side = random() % 3 == 0 ? Opponent(position.toMove) : position.toMove;
    return {position.board, side, depth, 0, computer};
}

TEST(FastSearchTest, EvaluationMatchesThePlainOneAndCountsOneLeaf) {
    FastSearch search;
    for (const auto& position : RandomPositions(31, Scaled(2000), 0, 60)) {
        for (const std::uint8_t computer : {kBlack, kWhite}) {
            PlainSearch plain(computer, Opponent(computer));
            std::int64_t leaves = 0;
            EXPECT_EQ(search.Evaluate(position.board, computer, leaves),
                      plain.Evaluate(position.board));
            EXPECT_EQ(leaves, 1);
        }
    }
}

TEST(FastSearchTest, DepthZeroOrBelowIsOneEvaluationWhateverTheSide) {
    FastSearch search;
    Board board;
    board.Reset();
    for (const int depth : {0, -1, -5}) {
        for (const std::uint8_t side : {kBlack, kWhite}) {
            std::int64_t leaves = 0;
            EXPECT_EQ(search.Search(board, side, depth, 123, kWhite, leaves), 0);
            EXPECT_EQ(leaves, 1);
        }
    }
}

TEST(FastSearchTest, SmallExampleOfTheRules) {
    // A computer node at depth 1 with bound +9999 evaluates its moves twice and returns the
    // best; with a bound below that best it stops after the first searched child.
    Board board;
    board.Reset();
    FastSearch search;
    PlainSearch plain(kBlack, kWhite);
    std::int64_t leaves = 0;
    EXPECT_EQ(search.Search(board, kBlack, 1, 9999, kBlack, leaves),
              plain.Search(board, kBlack, 1, 9999));
    EXPECT_EQ(leaves, 8);
    leaves = 0;
    search.Search(board, kBlack, 1, -9999, kBlack, leaves);
    EXPECT_EQ(leaves, 5);
}

TEST(FastSearchTest, MatchesThePlainSearchAcrossTheGame) {
    Searchers searchers;
    std::mt19937 random(41);
    for (const auto& position : RandomPositions(42, Scaled(600), 4, 58)) {
        searchers.ExpectSameUnderBounds(CaseAt(position, random, static_cast<int>(random() % 6)),
                                        random);
    }
}

TEST(FastSearchTest, MatchesThePlainSearchDeeper) {
    Searchers searchers;
    std::mt19937 random(51);
    // Deep searches cost the plain search most in the middle game; take them later on.
    for (const auto& position : RandomPositions(52, Scaled(5), 12, 30)) {
        const int depth = Scale() >= 1.0 ? 6 + static_cast<int>(random() % 3) : 6;
        searchers.ExpectSameUnderBounds(CaseAt(position, random, depth), random);
    }
}

TEST(FastSearchTest, MatchesThePlainSearchToTheEndOfTheGame) {
    Searchers searchers;
    std::mt19937 random(61);
    for (const auto& position : RandomPositions(62, Scaled(500), 1, 9)) {
        const int empty = 64 - position.board.CountDiscs();
        const int depth = empty + static_cast<int>(random() % 3);
        searchers.ExpectSameUnderBounds(CaseAt(position, random, depth), random);
    }
}

TEST(FastSearchTest, MatchesThePlainSearchWhenASideMustPass) {
    Searchers searchers;
    std::mt19937 random(71);
    int found = 0;
    for (std::uint32_t seed = 0; found < Scaled(300) && seed < 200000; ++seed) {
        const RandomPosition position = RandomGamePosition(seed, 4 + static_cast<int>(seed % 40));
        const Board& board = position.board;
        const std::uint8_t stuck = !board.HasLegalMove(kBlack)   ? kBlack
                                   : !board.HasLegalMove(kWhite) ? kWhite
                                                                 : 0;
        if (stuck == 0) {
            continue;
        }
        ++found;
        SearchCase c{board, stuck, 1 + static_cast<int>(random() % 7), 0,
                     random() % 2 == 0 ? kBlack : kWhite};
        searchers.ExpectSameUnderBounds(c, random);
    }
    EXPECT_EQ(found, Scaled(300));
}

TEST(FastSearchTest, FinishedGamesPassUntilTheDepthRunsOut) {
    Searchers searchers;
    std::mt19937 random(81);
    std::vector<Board> finished = {
        // A full board, and a board on which one colour has no disc left.
        BoardFrom(std::string(32, 'X') + std::string(32, 'O')),
        BoardFrom("XXX" + std::string(61, '-')),
        BoardFrom(std::string(40, 'O') + std::string(24, '-')),
    };
    for (std::uint32_t seed = 0; finished.size() < 60; ++seed) {
        const Board board = RandomGamePosition(seed, 0).board;
        if (!board.HasLegalMove(kBlack) && !board.HasLegalMove(kWhite)) {
            finished.push_back(board);
        }
    }
    for (const Board& board : finished) {
        for (const int depth : {1, 2, 3, 6, 14}) {
            SearchCase c{board, random() % 2 == 0 ? kBlack : kWhite, depth, 0,
                         random() % 2 == 0 ? kBlack : kWhite};
            searchers.ExpectSameUnderBounds(c, random);
            // Every pass is one ply, and only the last one evaluates.
            PlainSearch plain(c.computer, Opponent(c.computer));
            plain.Search(board, c.side, depth, 0);
            EXPECT_EQ(plain.leaves, 1);
        }
    }
}

// The deepest endgame searches the game makes: 14 empty squares at Level 4. The plain search
// takes seconds on each, so there are few of them, and under the sanitizers two squares fewer.
TEST(FastSearchTest, MatchesThePlainSearchOnFourteenEmptySquares) {
    Searchers searchers;
    std::mt19937 random(91);
    const int count = Scale() >= 1.0 ? 2 : 1;
    const int empty = Scale() >= 1.0 ? 14 : 12;
    for (int i = 0; i < count; ++i) {
        const RandomPosition position = RandomGamePosition(9100 + i, empty);
        SearchCase c = CaseAt(position, random, 13 + i % 2);
        c.bound = c.side == c.computer ? 9999 : -9999;
        const std::int32_t value = searchers.ExpectSameAsPlain(c);
        c.bound = value + (c.side == c.computer ? -2 : 2);
        searchers.ExpectSameAsPlain(c);
    }
}

}  // namespace
}  // namespace flipstone

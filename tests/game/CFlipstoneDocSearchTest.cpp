// The computer player as the document offers it: Evaluate, Search and the two root steps,
// compared with the plain transliteration kept in tests/support.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "support/PlainSearch.h"
#include "support/Positions.h"
#include "support/TestScale.h"

namespace flipstone {
namespace {

using testing::BoardFrom;
using testing::PlainRootSearch;
using testing::PlainSearch;

class SearchTest : public ::testing::Test {
protected:
    SearchTest() : document(host) { host.Attach(&document); }

    void SetColours(std::uint8_t computer) {
        document.computerColour = computer;
        document.humanColour = Opponent(computer);
    }

    std::vector<std::int32_t> ChildValues(const Board& board, std::uint8_t mover) {
        std::vector<std::int32_t> values;
        for (int i = 0; i < 64; ++i) {
            Board child = board;
            if (child.Place(i / 8, i % 8, mover)) {
                values.push_back(document.Evaluate(child));
            }
        }
        return values;
    }

    HeadlessHost host;
    CFlipstoneDoc document;
};

TEST_F(SearchTest, DepthZeroOrBelowIsOneEvaluationWhateverTheSide) {
    Board board;
    board.Reset();
    for (int depth : {0, -3}) {
        for (std::uint8_t side : {kBlack, kWhite}) {
            document.leafCount = 0;
            EXPECT_EQ(document.Search(board, side, depth, 9999), 0);
            EXPECT_EQ(document.leafCount, 1);
        }
    }
}

TEST_F(SearchTest, DepthOneReturnsTheBestStaticValueOrCutsAfterTheFirst) {
    for (const auto& position : testing::RandomPositions(11, 80, 10, 56)) {
        for (std::uint8_t computer : {kBlack, kWhite}) {
            SetColours(computer);
            for (bool computerNode : {true, false}) {
                const std::uint8_t side = computerNode ? computer : Opponent(computer);
                std::vector<std::int32_t> values = ChildValues(position.board, side);
                if (values.empty()) {
                    continue;
                }
                const int n = static_cast<int>(values.size());
                const std::int32_t best = computerNode
                                              ? *std::max_element(values.begin(), values.end())
                                              : *std::min_element(values.begin(), values.end());
                const std::int32_t open = computerNode ? 9999 : -9999;
                document.leafCount = 0;
                EXPECT_EQ(document.Search(position.board, side, 1, open), best);
                EXPECT_EQ(document.leafCount, 2 * n) << "each child evaluated twice";

                const std::int32_t beaten = computerNode ? best - 1 : best + 1;
                document.leafCount = 0;
                EXPECT_EQ(document.Search(position.board, side, 1, beaten), best);
                EXPECT_EQ(document.leafCount, n + 1) << "cut off after the first child";
            }
        }
    }
}

TEST_F(SearchTest, APassCostsOneDepthAndKeepsTheValue) {
    // Black can take a3; white cannot move.
    const Board board = testing::CornerPairBoard();
    SetColours(kBlack);
    for (int depth = 1; depth <= 4; ++depth) {
        document.leafCount = 0;
        const std::int32_t passed = document.Search(board, kWhite, depth, 9999);
        const std::int32_t passedLeaves = document.leafCount;
        document.leafCount = 0;
        EXPECT_EQ(passed, document.Search(board, kBlack, depth - 1, -9999));
        EXPECT_EQ(passedLeaves, document.leafCount);
    }
}

TEST_F(SearchTest, FinishedPositionReturnsItsFinalScoreAfterPassesWithOneLeaf) {
    const Board full = BoardFrom(std::string(33, 'X') + std::string(31, 'O'));
    SetColours(kWhite);
    for (int depth = 1; depth <= 15; ++depth) {
        document.leafCount = 0;
        EXPECT_EQ(document.Search(full, kWhite, depth, 9999), -1002);
        EXPECT_EQ(document.leafCount, 1);
    }
}

// The yardstick comparison: value and leaf count for every depth, bound and colour.
TEST_F(SearchTest, MatchesThePlainSearchOnRandomPositions) {
    int compared = 0;
    for (const auto& position : testing::RandomPositions(21, 120, 4, 58)) {
        for (std::uint8_t computer : {kBlack, kWhite}) {
            SetColours(computer);
            for (int depth = 0; depth <= 3; ++depth) {
                PlainSearch plain(computer, Opponent(computer));
                const std::int32_t open = position.toMove == computer ? 9999 : -9999;
                const std::int32_t exact =
                    plain.Search(position.board, position.toMove, depth, open);
                for (std::int32_t bound : {open, exact, exact + 1, exact - 1, -open}) {
                    PlainSearch reference(computer, Opponent(computer));
                    document.leafCount = 0;
                    ASSERT_EQ(document.Search(position.board, position.toMove, depth, bound),
                              reference.Search(position.board, position.toMove, depth, bound));
                    ASSERT_EQ(document.leafCount, reference.leaves);
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 120 * 2 * 4 * 5);
}

// Runs a whole root search through the document's step and collects what a caller sees.
struct StepRun {
    int calls = 0;
    std::int32_t searchValue = 0;
    std::int32_t leaves = 0;
    Square best;
    std::vector<std::int32_t> rootValues;
    std::vector<std::int32_t> rootLeaves;
};

StepRun RunRootSearch(CFlipstoneDoc& document, bool forHint) {
    StepRun run;
    RootSearchState& state = forHint ? document.HintSearchState() : document.ComputerSearchState();
    auto step = [&] {
        ++run.calls;
        return forHint ? document.HintStep() : document.ComputerMoveStep();
    };
    EXPECT_FALSE(step());
    EXPECT_EQ(document.searchValue, forHint ? 9999 : -9999);
    while (state.position < state.count) {
        EXPECT_FALSE(step());
        run.rootValues.push_back(state.lastValue);
        run.rootLeaves.push_back(document.leafCount);
    }
    run.best = Square{state.bestColumn, state.bestRow};
    EXPECT_TRUE(step());
    EXPECT_EQ(state.position, -1);
    run.searchValue = document.searchValue;
    run.leaves = document.leafCount;
    return run;
}

TEST_F(SearchTest, RootStepsMatchThePlainRootSearchAtEveryLevel) {
    for (const auto& position : testing::RandomPositions(31, testing::Scaled(8), 15, 56)) {
        for (int level = 0; level < 4; ++level) {
            for (bool forHint : {false, true}) {
                const std::uint8_t computer = forHint ? Opponent(position.toMove) : position.toMove;
                document.LoadPosition(position.board, computer, level);
                const auto expected =
                    PlainRootSearch(position.board, computer, Opponent(computer), level, forHint);
                const StepRun run = RunRootSearch(document, forHint);
                ASSERT_EQ(run.best, (Square{expected.bestColumn, expected.bestRow}));
                EXPECT_EQ(run.searchValue, expected.searchValue);
                EXPECT_EQ(run.leaves, expected.leaves);
                ASSERT_EQ(run.rootValues.size(), expected.roots.size());
                EXPECT_EQ(run.calls, static_cast<int>(expected.roots.size()) + 2);
                for (std::size_t i = 0; i < expected.roots.size(); ++i) {
                    EXPECT_EQ(run.rootValues[i], expected.roots[i].value);
                    EXPECT_EQ(run.rootLeaves[i], expected.roots[i].cumulativeLeaves);
                }
            }
        }
    }
}

TEST_F(SearchTest, DepthSwitchesToTheEndgameAtTheLevelsThreshold) {
    const auto atEmpty = [](int empty) { return testing::RandomGamePosition(5, empty).board; };
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(11), 0), 11);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(12), 0), 3);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(12), 1), 12);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(13), 1), 4);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(14), 3), 14);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(15), 3), 6);
}

TEST_F(SearchTest, OneLegalMoveStillTakesThreeCallsAndIsPlayed) {
    // Black's only move is a3.
    document.board = testing::CornerPairBoard();
    SetColours(kBlack);
    document.levelIndex = 0;
    const StepRun run = RunRootSearch(document, false);
    EXPECT_EQ(run.calls, 3);
    EXPECT_EQ(run.best, (Square{0, 2}));
    EXPECT_EQ(document.flipList.count, 1) << "the finishing call hands the move to TryMove";
    EXPECT_EQ(document.moveCount, 1);
    EXPECT_EQ(host.waitCursorDepth, 0) << "the wait cursor is restored after every call";
}

TEST_F(SearchTest, ExaminedSquareNamesTheNextRootMoveThenNone) {
    document.board.Reset();
    SetColours(kBlack);
    RootSearchState& state = document.ComputerSearchState();
    document.ComputerMoveStep();
    ASSERT_EQ(state.count, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(document.examinedSquare,
                  (Square{state.candidates[i].column, state.candidates[i].row}));
        document.ComputerMoveStep();
    }
    EXPECT_EQ(document.examinedSquare, Square{});
}

TEST_F(SearchTest, AHintWithNoRootMoveShowsNothingStale) {
    document.board.Reset();
    SetColours(kWhite);
    RunRootSearch(document, true);
    ASSERT_NE(document.hintSquare.column, -1);

    // Black (the human) has no move here.
    document.board = testing::CornerPairBoard();
    SetColours(kBlack);
    const StepRun run = RunRootSearch(document, true);
    EXPECT_EQ(run.calls, 2);
    EXPECT_EQ(document.examinedSquare, Square{});
    EXPECT_EQ(document.hintSquare, Square{});
    EXPECT_EQ(run.searchValue, 9999);
    EXPECT_EQ(run.leaves, 0);
}

}  // namespace
}  // namespace flipstone
